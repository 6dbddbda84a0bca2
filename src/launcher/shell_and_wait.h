#pragma once
// Runs one of the program's scripts and waits for it to end while the
// program's windows keep answering (a nested event loop).

#include <QString>

namespace qm {

// WindowStyle values: no window, or a normal window with the focus.
inline constexpr int kHiddenWindow = 0;
inline constexpr int kNormalWindow = 1;

// Why ShellAndWait returned false.
enum class LaunchFailure { None, NotStarted, NoTerminal };

// How a console of style 1 is shown, and where its wrapper is kept.
struct ConsoleWindow {
    QString title;     // what its title bar shows; "" names the script
    QString runFolder; // a RunFolder's path, or "" for a run folder of its own
};

// WindowStyle 0 runs the script with no window; 1 runs it in a new console
// (terminal) window. The wait is woken by the script's end, so WaitSlice (the
// callers pass 0) changes nothing. Returns true once the script has ended and
// nothing it started is left running (style 1), false at once when it could
// not be started; always false without a QCoreApplication.
bool ShellAndWait(const QString &CommandLine, int WindowStyle, int WaitSlice,
                  LaunchFailure *failure = nullptr);

// The same with the console's title and run folder given. A console opened
// while others of the program are still open stands below and right of the
// last one, so that it does not cover it.
bool ShellAndWait(const QString &CommandLine, int WindowStyle, int WaitSlice,
                  const ConsoleWindow &console, LaunchFailure *failure = nullptr);

} // namespace qm
