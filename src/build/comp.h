#pragma once
// "编译+运行": the build of the editor's text in a console, and its clean-up.

#include <QString>
#include <QStringList>

#include <functional>

namespace qm::build {

// What the build reads when it starts.
struct BuildRequest {
    QString path;       // Settings.Path (not the directory field)
    QString sourceText; // the editor's text, saved or not
    QString fileName;   // the file-name field, unchanged, also when empty
    qint16 compType = 0;
    qint16 apHeight = 200;
    qint16 apWidth = 400;
};

// What the clean-up reads once the console has closed; the user may have
// edited, stored a directory or changed options meanwhile.
struct AfterRunValues {
    QString path;           // Settings.Path
    qint16 keepClasses = 0; // Settings.Class
    QStringList classNames; // the editor's ClassNames
    int classCount = 0;     // the editor's ClassCount
};

enum class BuildOutcome {
    Ran,        // the console ran and has closed
    NotStarted, // the script could not be started; nothing to tell the user
    NoTerminal, // no terminal program: tell the user (noTerminalTitle/Text)
    UnsafeName, // the file name would leave the build directory; nothing was written
};

// The build directory of `path`, "~/" expanded, ending with a separator.
QString buildDirectory(const QString &path);

// Writes the source copy, the script and for applets the page into the build
// directory, runs the script in a console and waits for it while events are
// processed (a second build may run nested meanwhile), then deletes what
// AfterRunValues names. Reports nothing itself.
BuildOutcome Comp(const BuildRequest &request, const std::function<AfterRunValues()> &afterRun);

// The message box for BuildOutcome::NoTerminal (critical icon, OK).
QString noTerminalTitle();
QString noTerminalText();

} // namespace qm::build
