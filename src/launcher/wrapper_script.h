#pragma once
// How a script run in a terminal tells the launcher that it started and that
// it ended. Many terminals hand their window to a server and exit at once, so
// the terminal's own end says little about the script's: the wrapper holds
// the write end of a pipe in the run directory, and the pipe closing (the
// kernel closes it however the wrapper ends, kill -9 included) is the end.

#include <QByteArray>
#include <QString>

namespace qm {

// The named pipe the wrapper opens in the run directory.
inline constexpr const char *kEndPipeName = "end";

// A small sh script that opens the pipe, reports its pid and its parent's,
// and runs `script` with `shell`. The script's processes do not inherit the
// pipe, so a program left behind cannot hold the launcher up. Hang-ups are
// not trapped: sh would defer a trap until its child ends, while the default
// action ends the wrapper at once when the console's window goes away.
QString wrapperScript(const QString &runDir, const QString &shell, const QString &script);

// What the wrapper reports on its first line: its pid (also its process
// group's and session's under a terminal) and its parent's.
struct WrapperReport {
    qint64 pid = 0; // 0: nothing complete received yet
    qint64 parent = 0;

    bool isValid() const { return pid > 0; }
};

// The report in what the pipe has delivered so far; invalid while the line is
// incomplete or malformed.
WrapperReport parseWrapperReport(const QByteArray &received);

// What the launcher knows at one moment.
struct RunObservation {
    bool reported = false;     // the wrapper's report has arrived
    bool wrapperEnded = false; // every writer of the pipe has closed it
    bool terminalExited = false;
    bool terminalFailed = false;   // crashed or exited with a non-zero status
    bool terminalIsParent = false; // the terminal started the wrapper itself
    qint64 msSinceTerminalExit = 0;
};

// Running: wait on. Ended: the console is over (the wrapper has ended, or the
// terminal that started it has died) and its leftovers are to be ended.
// NeverStarted: the terminal went away without running the wrapper.
enum class RunState { Running, Ended, NeverStarted };

// Longest wait for the report after the terminal has exited: cleanly (its
// server may still be opening the window) and after a failure.
inline constexpr qint64 kReportGraceMs = 10000;
inline constexpr qint64 kReportGraceAfterFailureMs = 1000;

RunState judgeRun(const RunObservation &seen);

// How long after the terminal's exit a missing report means NeverStarted.
qint64 reportGraceMs(bool terminalFailed);

} // namespace qm
