#pragma once
// MySet.ini: four marked values, read by key from anywhere in the text and
// always rewritten whole.

#include "settings/settings.h"

#include <QByteArrayView>
#include <QString>

namespace qm {

inline constexpr auto kSettingsFileName = "MySet.ini";

// Removes every CR, LF and space; tabs and everything else stay.
QString StringFormat(const QString &text);

// How much of a found value GetSet cleans up: numbers lose every space,
// a directory loses its line breaks and the spaces at its ends only.
enum class ValueCleanup { Full, InnerSpacesKept };

// A directory text without line breaks and without spaces at its ends; a
// leading space would make it a relative path.
QString tidyDirectory(const QString &text);

// The text between "[key+]" and the first "[key-]" of `text`. "" when either
// marker is missing or the closing marker comes before the value's start.
QString GetSet(const QString &text, const QString &key, int openingLength,
               ValueCleanup cleanup = ValueCleanup::Full);

// The four lines of the file, each ended by `lineEnd`.
QString settingsFileText(const Settings &settings, const QString &lineEnd);

// Rewrites MySet.ini in `programDir` whole and atomically. Failures leave the
// previous file untouched and are not reported to the user; the result is
// only for tests.
bool WriteSettings(const QString &programDir, qint16 First, qint16 Mode, qint16 Class,
                   const QString &Path);
bool WriteSettings(const QString &programDir, const Settings &settings);

// The defaults of a missing or unreadable settings file.
Settings defaultSettings();

struct ReadSetResult {
    bool SetDefaulted = false; // the file could not be read; defaults were written
    QString SetText;           // the file's lines, each followed by CR LF; a file that
                               // is not UTF-8 is read as GB18030 (Chinese Windows)
};
ReadSetResult ReadSet(const QString &programDir);

// The file's bytes as SetText holds them (see ReadSetResult).
QString settingsText(QByteArrayView bytes);

struct ValidatedSettings {
    Settings settings;
    bool rewrite = false;    // a value was missing or invalid
    bool pathMapped = false; // Path named a folder of another system (see below)
};
// Validation of a read file's text: each key falls back to its default alone.
// A Path that only another system can have (a file copied from Windows) is
// taken as the default directory, and the file keeps it until a setting is
// stored.
ValidatedSettings validateSettingsText(const QString &SetText);

struct SettingsLoad {
    Settings settings;
    bool defaulted = false;
    bool rewritten = false;
    bool pathMapped = false;
};
// ReadSet, then validation with a single rewrite when anything was corrected.
SettingsLoad loadSettings(const QString &programDir);

// "保存设置": the directory field's text, tidied, becomes Path and is stored.
void storeDirectory(const QString &programDir, Settings &settings, const QString &fieldText);

} // namespace qm
