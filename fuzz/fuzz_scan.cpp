// Holds the main-class scan to its promises on any text (scan_promises.h).
#include "scan_promises.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Plain ASCII bytes stand for themselves; the others pick a piece of Java
// that matters to the scan, so short inputs reach deep into it.
QString textOf(const uint8_t *data, size_t size) {
    static const char16_t *const words[] = {
        u"class",
        u"interface",
        u"enum",
        u"record",
        u"public",
        u"static",
        u"void",
        u"main",
        u"(String[] a)",
        u"(String... a)",
        u"public static void main",
        u"/*",
        u"*/",
        u"//",
        u"\"\"\"",
        u"\r\n",
        u"\u4f60\u597d",
        u"\U00020000",
        u"\ufeff",
    };
    constexpr size_t wordCount = sizeof(words) / sizeof(words[0]);
    QString text;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80)
            text += QChar(data[i]);
        else
            text += QString::fromUtf16(words[data[i] % wordCount]);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size > 4096)
        return 0; // the step-by-step reference is quadratic
    const QString text = textOf(data, size);
    const QString broken = qm::testing::brokenScanPromise(text);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(broken),
                     qPrintable(text.toUtf8().toPercentEncoding()));
        std::abort();
    }
    return 0;
}
