#include "settings/settings_file.h"

#include "platform/atomic_file.h"
#include "platform/platform.h"
#include "platform/text_decoding.h"
#include "settings/value_number.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

namespace qm {

namespace {

QString settingsFilePath(const QString &programDir) {
    return QDir(programDir).filePath(QString::fromLatin1(kSettingsFileName));
}

QString withoutLineBreaks(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

// A 0/1 flag: default 0 and a rewrite when missing, out of range or not a number.
qint16 validFlag(const QString &value, bool &rewrite) {
    const auto n = settingNumber(value);
    if (value.isEmpty() || !n || (*n != 0 && *n != 1)) {
        rewrite = true;
        return 0;
    }
    return *n;
}

qint16 validMode(const QString &value, bool &rewrite) {
    const auto n = settingNumber(value);
    if (value.isEmpty() || !n || *n < kModeMin || *n > kModeMax) {
        rewrite = true;
        return 0;
    }
    return *n;
}

} // namespace

QString StringFormat(const QString &text) {
    QString out = withoutLineBreaks(text);
    out.remove(QLatin1Char(' '));
    return out;
}

QString tidyDirectory(const QString &text) {
    const QString line = withoutLineBreaks(text);
    qsizetype begin = 0, end = line.size();
    while (begin < end && line[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && line[end - 1] == QLatin1Char(' '))
        --end;
    return line.sliced(begin, end - begin);
}

QString GetSet(const QString &text, const QString &key, int openingLength, ValueCleanup cleanup) {
    const QString opening = QLatin1Char('[') + key + QLatin1String("+]");
    const QString closing = QLatin1Char('[') + key + QLatin1String("-]");
    const qsizetype open = text.indexOf(opening);
    const qsizetype end = text.indexOf(closing);
    if (open < 0 || end < 0)
        return QString();
    const qsizetype start = open + openingLength;
    const qsizetype length = end - start;
    if (length < 0)
        return QString();
    const QString value = text.mid(start, length);
    return cleanup == ValueCleanup::Full ? StringFormat(value) : tidyDirectory(value);
}

QString settingsFileText(const Settings &s, const QString &lineEnd) {
    return QStringLiteral("[First+]%1[First-]").arg(s.First) + lineEnd +
           QStringLiteral("[Mode+]%1[Mode-]").arg(s.Mode) + lineEnd +
           QStringLiteral("[Class+]%1[Class-]").arg(s.Class) + lineEnd + QStringLiteral("[Path+]") +
           s.Path + QStringLiteral("[Path-]") + lineEnd;
}

bool WriteSettings(const QString &programDir, qint16 First, qint16 Mode, qint16 Class,
                   const QString &Path) {
    const QString path = settingsFilePath(programDir);
    // The program's own file: made normal, writable too, before it is written.
    platform::setHidden(path, false);
    platform::widenToOwnerReadWrite(path); // the next start must read what is written
    QStringEncoder encode(QStringConverter::System);
    const bool ok = writeFileAtomically(
        path, encode(settingsFileText({First, Mode, Class, Path}, platform::lineEnd())));
    platform::setHidden(path, true);
    return ok;
}

bool WriteSettings(const QString &programDir, const Settings &s) {
    return WriteSettings(programDir, s.First, s.Mode, s.Class, s.Path);
}

Settings defaultSettings() {
    return Settings{0, 0, 0, platform::defaultSourcePath()};
}

ReadSetResult ReadSet(const QString &programDir) {
    const QString path = settingsFilePath(programDir);
    platform::setHidden(path, false);
    // A file its owner may not read would otherwise lose its values to the
    // defaults at every start.
    platform::widenToOwnerReadWrite(path);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        WriteSettings(programDir, defaultSettings());
        return {true, QString()};
    }
    const QByteArray bytes = file.readAll();
    file.close();
    platform::setHidden(path, true);
    return {false, settingsText(bytes)};
}

QString settingsText(QByteArrayView bytes) {
    const QString text = decodeText(bytes);
    QString setText;
    setText.reserve(text.size() + 8);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        setText += line;
        setText += QLatin1String("\r\n");
    }
    // A file ending in a line break has no further line after it.
    if (text.endsWith(QLatin1Char('\n')))
        setText.chop(2);
    return setText;
}

ValidatedSettings validateSettingsText(const QString &SetText) {
    ValidatedSettings out;
    bool &rewrite = out.rewrite;
    Settings &s = out.settings;
    s.First = validFlag(GetSet(SetText, QStringLiteral("First"), 8), rewrite);
    s.Mode = validMode(GetSet(SetText, QStringLiteral("Mode"), 7), rewrite);
    s.Class = validFlag(GetSet(SetText, QStringLiteral("Class"), 8), rewrite);
    s.Path = GetSet(SetText, QStringLiteral("Path"), 7, ValueCleanup::InnerSpacesKept);
    // Nothing but blanks counts as missing. So does a value that held the
    // closing marker split by a line break: written back, it would end early.
    // A control character makes it invalid.
    if (s.Path.isEmpty() || s.Path.contains(QLatin1String("[Path-]")) ||
        platform::holdsControlCharacter(s.Path)) {
        rewrite = true;
        s.Path = platform::defaultSourcePath();
    }
    const QString usable = platform::directoryForThisSystem(s.Path);
    out.pathMapped = usable != s.Path;
    s.Path = usable;
    return out;
}

SettingsLoad loadSettings(const QString &programDir) {
    const ReadSetResult read = ReadSet(programDir);
    if (read.SetDefaulted)
        return {defaultSettings(), true, false};
    const ValidatedSettings valid = validateSettingsText(read.SetText);
    if (valid.rewrite)
        WriteSettings(programDir, valid.settings);
    return {valid.settings, false, valid.rewrite, valid.pathMapped};
}

void storeDirectory(const QString &programDir, Settings &settings, const QString &fieldText) {
    settings.Path = tidyDirectory(fieldText);
    WriteSettings(programDir, settings);
}

} // namespace qm
