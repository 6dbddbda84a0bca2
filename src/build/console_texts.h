#pragma once
// The lines the build script prints in the console, the same for bash and
// the command interpreter.

#include <QString>

namespace qm::build {

QString compilingLine();     // before javac
QString compiledLine();      // javac reported no error; the program runs next
QString compileFailedLine(); // javac reported errors; nothing runs
QString pressAnyKey();       // the final prompt, without a line end
// Before the program runs: how to stop it.
QString stopHintLine();

// After the program: its exit status and run time in seconds, both as the
// script's own expressions (they are filled in when the line runs).
QString runEndedLine(const QString &status, const QString &seconds);
// The same where the script cannot time the run.
QString runEndedWithoutTime(const QString &status);

// The console window's title, naming the program that runs in it.
QString consoleTitle(const QString &programName);

// In place of the run of an applet when no applet viewer is installed.
QString noAppletViewer();

} // namespace qm::build
