#pragma once
// Watches one script run in a terminal window (POSIX) until its console is
// over, then ends whatever the script left running. Nothing is polled while
// the console is open: the wrapper's pipe and the terminal's exit wake it.

#include "launcher/end_pipe.h"
#include "launcher/serviced_wait.h"
#include "launcher/wrapper_script.h"

#include <QElapsedTimer>
#include <QList>
#include <QSocketNotifier>
#include <QTimer>

class QProcess;

namespace qm::detail {

class ConsoleRun {
public:
    ConsoleRun(QProcess &terminalProcess, EndPipe &endPipe);
    ~ConsoleRun();
    ConsoleRun(const ConsoleRun &) = delete;
    ConsoleRun &operator=(const ConsoleRun &) = delete;

    // Waits in the event loop; Ended or NeverStarted.
    RunState wait();

private:
    void readPipe();
    void pipeReadable();
    void terminalFinished();
    void reportGraceOver();
    void judge();
    QList<qint64> leftovers() const;
    void endLeftovers();
    void leftoverStep();

    QProcess &terminal;
    qint64 terminalPid;
    EndPipe &pipe;
    QSocketNotifier notifier;
    ServicedWait serviced;
    QByteArray received;
    WrapperReport report;
    RunObservation seen;
    QElapsedTimer sinceTerminalExit;
    QTimer graceTimer;
    // Ending what is left: a hang-up first, then SIGKILL.
    QTimer leftoverTimer;
    QElapsedTimer sinceEnding;
    bool killed = false;
    RunState state = RunState::Running;
};

} // namespace qm::detail
