#include "platform/text_decoding.h"

#include <QStringDecoder>

namespace qm {

namespace {

bool isContinuation(uchar c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed sequence that starts at `at`, or 0. The
// second byte's range excludes overlong forms, surrogates and code points
// beyond U+10FFFF.
qsizetype wellFormedLength(QByteArrayView bytes, qsizetype at) {
    const auto lead = uchar(bytes[at]);
    qsizetype length = 0;
    uchar low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
    if (at + length > bytes.size())
        return 0;
    const auto second = uchar(bytes[at + 1]);
    if (second < low || second > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (!isContinuation(uchar(bytes[at + i])))
            return 0;
    }
    return length;
}

// A broken sequence ends before the next byte that cannot continue it.
qsizetype brokenLength(QByteArrayView bytes, qsizetype at) {
    qsizetype end = at + 1;
    while (end < bytes.size() && end - at < 4 && isContinuation(uchar(bytes[end])) &&
           uchar(bytes[at]) >= 0xC2 && uchar(bytes[at]) <= 0xF4)
        ++end;
    return end - at;
}

QString decodeUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return utf8(bytes);
}

} // namespace

Utf8Census utf8Census(QByteArrayView bytes) {
    Utf8Census census;
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (uchar(bytes[at]) < 0x80) {
            ++at;
        } else if (const qsizetype length = wellFormedLength(bytes, at)) {
            ++census.multiByte;
            at += length;
        } else {
            ++census.broken;
            at += brokenLength(bytes, at);
        }
    }
    return census;
}

TextEncoding chooseEncoding(QByteArrayView bytes) {
    const Utf8Census census = utf8Census(bytes);
    if (census.broken <= census.multiByte)
        return TextEncoding::Utf8;
    QStringDecoder gb18030("GB18030", QStringConverter::Flag::Stateless);
    if (!gb18030.isValid())
        return TextEncoding::Utf8;
    const QString text = gb18030(bytes);
    return text.count(QChar::ReplacementCharacter) < census.broken ? TextEncoding::Gb18030
                                                                   : TextEncoding::Utf8;
}

QString decodeText(QByteArrayView bytes) {
    if (chooseEncoding(bytes) == TextEncoding::Utf8)
        return decodeUtf8(bytes);
    QStringDecoder gb18030("GB18030", QStringConverter::Flag::Stateless);
    return gb18030(bytes);
}

} // namespace qm
