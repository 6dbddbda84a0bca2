#include "options/field_checks.h"

#include "settings/settings_file.h"
#include "settings/value_number.h"

#include <QLocale>
#include <optional>

namespace qm {

namespace {

// Shortest fixed-point form, "-" for negatives, no exponent; -0 reads as 0.
QString canonicalNumber(double value, const QString &decimalPoint) {
    if (value == 0)
        value = 0;
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    if (decimalPoint != QLatin1String("."))
        text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

// An applet field's value for the build. An empty field, and a value that
// does not fit the 16-bit applet size, fall back to the default.
qint16 appliedAppletValue(QString &text, qint16 fallback) {
    const std::optional<qint16> value = text.isEmpty() ? std::nullopt : settingNumber(text);
    if (value)
        return *value;
    text = QString::number(fallback);
    return fallback;
}

} // namespace

bool appletTextKeeps(QStringView text, const QString &decimalPoint) {
    if (text == QLatin1String("0"))
        return false;
    const double value = numberOfValue(text);
    if (text != canonicalNumber(value, decimalPoint))
        return false;
    return value <= 9999;
}

QString localeDecimalPoint() {
    return QLocale::system().decimalPoint();
}

HeightCheck checkHeightText(QStringView text) {
    if (text == QLatin1String("-"))
        return {HeightCheck::Pending, 0};
    double value = 0;
    if (text.startsWith(QLatin1Char('-'))) {
        QString rest = text.toString();
        rest.remove(QLatin1Char('-'));
        value = -numberOfValue(rest);
    } else {
        value = numberOfValue(text);
    }
    const double candidate = roundHalfEven(value);
    if (!(candidate >= kModeMin && candidate <= kModeMax))
        return {HeightCheck::Wiped, 0};
    const auto mode = static_cast<qint16>(candidate);
    if (text != QString::number(mode))
        return {HeightCheck::Wiped, 0};
    return {HeightCheck::Accepted, mode};
}

OptionsForm applyOptions(ProgramState &state, OptionsForm form) {
    if (form.heightText == QLatin1String("-")) {
        form.pendingMode = 0;
        form.heightText = QStringLiteral("0");
    }
    state.settings.Class = form.pendingClass;
    state.settings.Mode = form.pendingMode;
    // Stored first: the values hold for this run even when the file cannot be written.
    WriteSettings(state.programDir, state.settings);
    if (form.compTypeText == kStandardProgramText)
        state.run.CompType = BuildKind::StandardProgram;
    else if (form.compTypeText == kAppletText)
        state.run.CompType = BuildKind::Applet;
    state.run.ApHeight = appliedAppletValue(form.apHeightText, kDefaultApHeight);
    state.run.ApWidth = appliedAppletValue(form.apWidthText, kDefaultApWidth);
    return form;
}

} // namespace qm
