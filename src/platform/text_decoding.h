#pragma once
// Reading text files that may come from Linux (UTF-8) or from Chinese Windows
// (GBK / GB18030), without knowing which.

#include <QByteArrayView>
#include <QString>

namespace qm {

// How the bytes of a file read as UTF-8.
struct Utf8Census {
    qsizetype multiByte = 0; // well-formed characters of two to four bytes
    qsizetype broken = 0;    // ill-formed sequences, each counted once
};
Utf8Census utf8Census(QByteArrayView bytes);

enum class TextEncoding { Utf8, Gb18030 };

// UTF-8 unless GB18030 clearly reads better: the file holds more broken UTF-8
// sequences than well-formed multi-byte ones, and GB18030 leaves fewer bytes
// undecodable than UTF-8 does. GB18030 accepts nearly any pair of high bytes,
// so UTF-8 Chinese text with one damaged byte usually decodes as GB18030
// without error, only garbled; the census keeps such a file UTF-8.
TextEncoding chooseEncoding(QByteArrayView bytes);

// The bytes decoded as chooseEncoding says. NUL characters are kept; a
// leading UTF-8 byte order mark is dropped; what cannot be decoded becomes
// U+FFFD.
QString decodeText(QByteArrayView bytes);

} // namespace qm
