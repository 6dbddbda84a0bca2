#pragma once
// "编译+运行": the build of the editor's text in a console, and its clean-up.

#include "settings/settings.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace qm::build {

// What the build reads when it starts.
struct BuildRequest {
    QString Path;       // Settings.Path (not the directory field)
    QString sourceText; // the editor's text, saved or not
    QString fileName;   // the file-name field, unchanged, also when empty
    BuildKind CompType = BuildKind::StandardProgram;
    qint16 ApHeight = kDefaultApHeight;
    qint16 ApWidth = kDefaultApWidth;
};

// What the clean-up reads once the console has closed; the user may have
// edited, stored a directory or changed options meanwhile.
struct AfterRunValues {
    QString Path;           // Settings.Path
    qint16 Class = 0;       // Settings.Class: not 0 keeps the class files
    QStringList ClassNames; // the types the editor's text declares
    int ClassCount = 0;
};

enum class BuildOutcome {
    Ran,        // the console ran and has closed
    NotStarted, // the script could not be started; nothing to tell the user
    NoTerminal, // no terminal program: tell the user (noTerminalText)
    UnsafeName, // no file may have the name (unusableNameText); nothing was written
    // The build folder may not be built in (build_folder.h); nothing was
    // written or run. problem names the folder at fault.
    UnnamableFolder,
    FolderTooLong,
    FolderNotMade,
    ForeignFolder,
    OpenFolder,
    // The copy, the page or the script could not be written whole (a full
    // disk, say); nothing ran. problem names the file.
    NotWritten,
};

// What a build tells its caller.
struct BuildResult {
    BuildOutcome outcome = BuildOutcome::NotStarted;
    QString problem;     // the folder or file a refusal is about
    QString javacOutput; // what javac printed, kept for the editor; "" when it did not run
    // Whether javac's output was there to read. A nested build removes the
    // shared file before the outer one reads it: then nothing is known.
    bool javacOutputRead = false;
    // What the program printed on its standard error, for the mark of an
    // uncaught exception; "" when it did not run or did not end by itself.
    QString programErrors;
};

// The build directory of `Path`, "~/" expanded, ending with a separator.
QString buildDirectory(const QString &Path);

// Makes and judges the build directory, then writes the source copy, the
// script and for applets the page into a run folder of this build's own
// (run_folder.h), with a copy of the script in the build directory; runs the
// script in a console and waits for it while events are processed (a second
// build may run nested meanwhile, in a run folder of its own), keeps the
// class files when Class says so, then deletes what AfterRunValues names.
// Reports nothing itself.
BuildResult Comp(const BuildRequest &request, const std::function<AfterRunValues()> &afterRun);

// The message boxes for BuildOutcome::NoTerminal and UnsafeName (critical
// icon, OK), both titled messageTitle().
QString messageTitle();
QString noTerminalText();
QString unusableNameText();

// The text of the message box (titled messageTitle()) that tells why the
// build was refused; "" for an outcome the user need not hear about.
QString refusalText(const BuildResult &result);

} // namespace qm::build
