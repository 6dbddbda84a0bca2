#pragma once
// The text of the build script and the applet page. Pure text work: the
// files are written and run by Comp (comp.h).

#include "settings/settings.h"
#include "startup/platform/platform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qm::build {

// The Windows command script. `path` is Path as stored (its first two
// characters are the drive), `name` the base name N as the file-name field
// holds it. The program runs only when javac reported no error.
QStringList batchScriptLines(const QString &path, const QString &name, BuildKind CompType);

// The same steps for bash. `buildDirectory` is the build directory with any
// "~/" already expanded; every path and name is quoted for the shell.
QStringList posixScriptLines(const QString &buildDirectory, const QString &name,
                             BuildKind CompType);

// The four lines of the page that embeds the applet `name`.
QStringList appletPageLines(const QString &name, qint16 ApHeight, qint16 ApWidth);

// The file in the build directory that keeps what javac printed, for the
// editor's marks once the console has closed.
QString javacOutputFileName();

// What a tool printed into a file: UTF-8 for bash, the system's code page
// for the command interpreter.
QString toolOutputText(const QByteArray &bytes, platform::ScriptKind kind);

// The file name of the script this system runs.
QString scriptFileName(platform::ScriptKind kind);

// The lines as file bytes: CR LF in the system's code page for the command
// interpreter, LF in UTF-8 for bash. Every line, the last one too, is ended.
QByteArray textFileBytes(const QStringList &lines, platform::ScriptKind kind);

} // namespace qm::build
