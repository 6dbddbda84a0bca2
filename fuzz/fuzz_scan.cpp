// Holds the linear main-class scan against the step-by-step reference.
#include "literal_class_scan.h"
#include "workspace/class_scan.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Plain ASCII bytes stand for themselves; the others pick a word that matters
// to the scan, so short inputs reach deep into it.
QString textOf(const uint8_t *data, size_t size) {
    static const char16_t *const words[] = {
        u"class", u"{",  u"public static void main",  u"Class",        u"Hello", u"\r\n",
        u"\t",    u"  ", u"public static  void main", u"\u4f60\u597d",
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
        return 0; // the reference is quadratic
    const QString text = textOf(data, size);
    const qm::ClassScan fast = qm::scanMainClass(text);
    const qm::ClassScan reference = qm::literal::keptNames(qm::literal::scanMainClass(text));
    if (fast.fileName != reference.fileName || fast.ClassCount != reference.ClassCount ||
        fast.ClassNames != reference.ClassNames) {
        std::fprintf(stderr, "scan differs: %s\n", qPrintable(text.toUtf8().toPercentEncoding()));
        std::abort();
    }
    const qm::ClassScan bytes = qm::scanMainClassUtf8(text.toUtf8());
    if (bytes.fileName != fast.fileName || bytes.ClassNames != fast.ClassNames) {
        std::fprintf(stderr, "UTF-8 scan differs: %s\n",
                     qPrintable(text.toUtf8().toPercentEncoding()));
        std::abort();
    }
    return 0;
}
