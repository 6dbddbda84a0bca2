#pragma once
// Reading numbers out of free text the way the settings file and the option
// fields expect: the leading number of a text, everything after it ignored.

#include <QStringView>
#include <optional>

namespace qm {

// The leading number of a text: optional sign, digits, decimal point ("." only),
// exponent (E or D), or a "&H" / "&O" prefixed hexadecimal / octal number.
// Spaces, tabs and line feeds anywhere are skipped; no number reads as 0.
double numberOfValue(QStringView text);

// Nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
double roundHalfEven(double value);

// numberOfValue rounded half to even, or nothing when it does not fit 16 bits.
std::optional<qint16> settingNumber(QStringView text);

} // namespace qm
