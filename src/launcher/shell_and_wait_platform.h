#pragma once
// The part of ShellAndWait that differs between Linux and Windows; one of
// shell_and_wait_posix.cpp and shell_and_wait_windows.cpp is built.

#include "launcher/shell_and_wait.h"

#include <QString>

namespace qm::detail {

// A console's title, and how many of the program's consoles are open below
// it: each of those moves it kConsoleCascade pixels right and down.
struct ConsolePlace {
    QString title;
    int openBefore = 0;
};
inline constexpr int kConsoleCascade = 40;

// Runs an existing script (absolute path) and waits for its end in the
// application's event loop; a console's wrapper goes into `runFolder`, or a
// run folder of its own when that is empty.
bool runScriptAndWait(const QString &script, int windowStyle, const ConsolePlace &place,
                      LaunchFailure &failure, const QString &runFolder);

} // namespace qm::detail
