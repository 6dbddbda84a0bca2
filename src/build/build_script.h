#pragma once
// The text of the build script and the applet page. Pure text work: the
// files are written and run by Comp (comp.h).

#include "build/javac_probe.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace qm::build {

// What the script builds and runs.
struct ScriptTarget {
    QString name;    // N as the file-name field holds it
    QString package; // the package the source declares, "" for none
    BuildKind CompType = BuildKind::StandardProgram;
};

// Where one build's files lie. The program runs in the build directory;
// everything else of the build is in its own run folder, which no other
// build shares: the script that runs, the source copy, javac's output, and
// below it the class files (with the applet page, which names them).
struct BuildPlaces {
    QString buildDirectory; // Path/ClassFiles, "~/" expanded, no separator at the end
    QString runDirectory;   // the build's run folder, no separator at the end

    QString inRunDirectory(const QString &name) const;
    QString classDirectory() const;
};

// The class to run: N, or N qualified with its package ("demo.app.N").
QString runName(const ScriptTarget &target);

// javac's JVM flags for a short compile: one compiler tier and the serial
// collector start faster; the program's own java run keeps the defaults.
QStringList quickJavacFlags();

// The Windows command script: console_script.bat of the resources, filled.
// `path` is Path as stored (its first two characters are the drive). The
// program runs only when javac reported no error.
QStringList batchScriptLines(const QString &path, const BuildPlaces &places,
                             const ScriptTarget &target);

// The same steps for bash: console_script.sh of the resources, filled; every
// path and name is quoted for the shell. javac starts as `setup` allows: the
// warm javac, quick flags, its class-data archive, and making the archive
// after the run when it is missing.
QStringList posixScriptLines(const BuildPlaces &places, const JavacSetup &setup,
                             const ScriptTarget &target);

// The lines of the template `templateName` of the resources with each of its
// marks filled (fillMarks in resources.h), without line ends.
QStringList filledScriptLines(const QString &templateName, const QHash<QString, QString> &values);

// The four lines of the page that embeds the applet.
QStringList appletPageLines(const ScriptTarget &target, qint16 ApHeight, qint16 ApWidth);

// The file in the run folder that keeps what javac printed, for the editor's
// marks once the console has closed.
QString javacOutputFileName();

// The file in the run folder that keeps what the program printed on its
// standard error, there only when the program ended by itself.
QString programErrorsFileName();

// What a tool printed into a file: UTF-8 for bash, the system's code page
// for the command interpreter.
QString toolOutputText(const QByteArray &bytes, platform::ScriptKind kind);

// The file name of the script this system runs.
QString scriptFileName(platform::ScriptKind kind);

// The lines as file bytes: CR LF in the system's code page for the command
// interpreter, LF in UTF-8 for bash. Every line, the last one too, is ended.
QByteArray textFileBytes(const QStringList &lines, platform::ScriptKind kind);

// The source copy javac reads: UTF-8 everywhere (the scripts tell javac so),
// which holds every character the editor may hold, ended by a line end.
QByteArray sourceCopyBytes(const QString &sourceText);

} // namespace qm::build
