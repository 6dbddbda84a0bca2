#pragma once
// How a script run in a terminal tells the launcher that it started and that
// it ended. Many terminals hand their window to a server and exit at once, so
// the terminal's own end says nothing about the script's.

#include <QByteArray>
#include <QString>

namespace qm {

// Files the wrapper writes into the run directory.
inline constexpr const char *kPidFileName = "pid";
inline constexpr const char *kDoneFileName = "done";

// A small sh script that records its pid in `runDir`, runs `script` with
// `shell`, and leaves the done marker however it ends (also on hang-up when
// the window is closed).
QString wrapperScript(const QString &runDir, const QString &shell, const QString &script);

// The pid written by the wrapper; 0 while the file is missing or incomplete.
qint64 parsePid(const QByteArray &content);

// What the launcher sees at one look.
struct RunObservation {
    bool doneMarker = false;
    qint64 pid = 0;        // 0: not recorded yet
    bool pidAlive = false; // meaningful when pid > 0
    bool terminalExited = false;
    bool terminalFailed = false; // crashed or exited with a non-zero status
    qint64 msSinceTerminalExit = 0;
};

enum class RunState { Running, Ended, NeverStarted };

// Longest wait for the pid after the terminal has exited: cleanly (its server
// may still be opening the window) and after a failure.
inline constexpr qint64 kPidGraceMs = 10000;
inline constexpr qint64 kPidGraceAfterFailureMs = 1000;

RunState judgeRun(const RunObservation &seen);

} // namespace qm
