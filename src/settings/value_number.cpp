#include "settings/value_number.h"

#include <QString>
#include <cmath>
#include <limits>

namespace qm {

namespace {

// The text without the characters the reader skips wherever they stand.
QString withoutSkipped(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            out.append(c);
    }
    return out;
}

double radixNumber(QStringView digits, int radix) {
    double value = 0;
    for (QChar c : digits) {
        const int d =
            c.isDigit() ? c.digitValue()
            : (radix == 16 && c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))
                ? c.toLower().unicode() - 'a' + 10
                : -1;
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

// Length of the longest prefix of s that is a decimal number with optional
// sign, fraction and exponent; 0 when there is no digit in the mantissa.
qsizetype decimalPrefixLength(const QString &s) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto digitsFrom = [&](qsizetype &k) {
        const qsizetype start = k;
        while (k < n && s[k] >= QLatin1Char('0') && s[k] <= QLatin1Char('9'))
            ++k;
        return k - start;
    };
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissaDigits = digitsFrom(i);
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        mantissaDigits += digitsFrom(i);
    }
    if (mantissaDigits == 0)
        return 0;
    const qsizetype beforeExponent = i;
    if (i < n && QStringLiteral("eEdD").contains(s[i])) {
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ++i;
        if (digitsFrom(i) == 0)
            return beforeExponent;
    }
    return i;
}

} // namespace

double numberOfValue(QStringView text) {
    const QString s = withoutSkipped(text);
    if (s.size() >= 2 && s[0] == QLatin1Char('&')) {
        const QChar kind = s[1].toUpper();
        if (kind == QLatin1Char('H'))
            return radixNumber(QStringView(s).mid(2), 16);
        if (kind == QLatin1Char('O'))
            return radixNumber(QStringView(s).mid(2), 8);
    }
    const qsizetype len = decimalPrefixLength(s);
    if (len == 0)
        return 0;
    QString number = s.left(len);
    number.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // Out of double range: keep the sign, let the caller's range check reject it.
    return number.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::infinity()
                                               : std::numeric_limits<double>::infinity();
}

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<qint16> settingNumber(QStringView text) {
    const double rounded = roundHalfEven(numberOfValue(text));
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace qm
