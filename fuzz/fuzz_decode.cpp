// Opening any file: the decoding never loses valid UTF-8, and the text the
// editor gets has one kind of line end.
#include "platform/text_decoding.h"
#include "workspace/source_file.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what, QByteArrayView bytes) {
    std::fprintf(stderr, "%s: %s\n", what, bytes.toByteArray().toHex().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qm::Utf8Census census = qm::utf8Census(bytes);
    if (census.multiByte < 0 || census.broken < 0 ||
        census.multiByte + census.broken > bytes.size())
        fail("census out of range", bytes);

    QStringDecoder strict(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = strict(bytes);
    if (strict.hasError() != (census.broken > 0))
        fail("census disagrees with the UTF-8 decoder", bytes);
    const QString text = qm::decodeText(bytes);
    if (!strict.hasError() && text != asUtf8)
        fail("valid UTF-8 decoded otherwise", bytes);

    const QString opened = qm::withLineEnds(text, QStringLiteral("\n"));
    if (opened.contains(QLatin1Char('\r')) || opened.count(QLatin1Char('\n')) > text.size())
        fail("line ends not uniform", bytes);
    if (qm::withLineEnds(opened, QStringLiteral("\n")) != opened)
        fail("line ends not stable", bytes);
    return 0;
}
