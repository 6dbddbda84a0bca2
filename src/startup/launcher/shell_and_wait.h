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

// WindowStyle 0 runs the script with no window; 1 runs it in a new console
// (terminal) window. WaitSlice is the longest pause, in milliseconds, between
// two looks at the process; 0 lets the launcher choose. Returns true once the
// script has ended, false at once when it could not be started.
bool ShellAndWait(const QString &CommandLine, int WindowStyle, int WaitSlice,
                  LaunchFailure *failure = nullptr);

} // namespace qm
