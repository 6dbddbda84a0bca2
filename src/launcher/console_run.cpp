#include "launcher/console_run.h"

#include "launcher/process_group.h"

#include <QProcess>

#include <algorithm>
#include <signal.h>

namespace qm::detail {

namespace {

// A hung-up program gets this long to end on its own (Java runs its shutdown
// hooks), then it is killed; a process that does not even die of SIGKILL
// (stuck in the kernel) is given up on after the longer time.
constexpr int kHangUpGraceMs = 300;
constexpr int kGiveUpMs = 2000;
constexpr int kLeftoverLookMs = 20;

} // namespace

ConsoleRun::ConsoleRun(QProcess &terminalProcess, EndPipe &endPipe)
    : terminal(terminalProcess), terminalPid(terminalProcess.processId()), pipe(endPipe),
      notifier(endPipe.fd(), QSocketNotifier::Read) {
    QObject::connect(&notifier, &QSocketNotifier::activated, &notifier, [this] { pipeReadable(); });
    QObject::connect(&terminal, &QProcess::finished, &notifier, [this] { terminalFinished(); });
    graceTimer.setSingleShot(true);
    QObject::connect(&graceTimer, &QTimer::timeout, &graceTimer, [this] { reportGraceOver(); });
    leftoverTimer.setInterval(kLeftoverLookMs);
    QObject::connect(&leftoverTimer, &QTimer::timeout, &leftoverTimer, [this] { leftoverStep(); });
}

ConsoleRun::~ConsoleRun() {
    QObject::disconnect(&terminal, &QProcess::finished, &notifier, nullptr);
}

RunState ConsoleRun::wait() {
    // The terminal may have gone, or the wrapper reported, before the loop runs.
    if (terminal.state() == QProcess::NotRunning)
        terminalFinished();
    pipeReadable();
    serviced.run();
    return state;
}

void ConsoleRun::readPipe() {
    if (seen.wrapperEnded)
        return;
    const bool closed = pipe.drain(received);
    if (!seen.reported) {
        report = parseWrapperReport(received);
        seen.reported = report.isValid();
        if (!seen.reported)
            return;
        graceTimer.stop();
        pipe.dropOwnWriter();
        // The wrapper may have closed its end as well by now.
        readPipe();
        return;
    }
    if (closed) {
        seen.wrapperEnded = true;
        notifier.setEnabled(false);
    }
}

void ConsoleRun::pipeReadable() {
    readPipe();
    judge();
}

void ConsoleRun::terminalFinished() {
    if (seen.terminalExited)
        return;
    readPipe();
    seen.terminalExited = true;
    seen.terminalFailed = terminal.exitStatus() != QProcess::NormalExit || terminal.exitCode() != 0;
    sinceTerminalExit.start();
    if (!seen.reported)
        graceTimer.start(static_cast<int>(reportGraceMs(seen.terminalFailed)));
    judge();
}

void ConsoleRun::reportGraceOver() {
    seen.msSinceTerminalExit = sinceTerminalExit.elapsed();
    judge();
    // A timer that fired early must not strand the wait.
    const qint64 rest = reportGraceMs(seen.terminalFailed) - seen.msSinceTerminalExit;
    if (state == RunState::Running && !seen.reported)
        graceTimer.start(static_cast<int>(std::max<qint64>(1, rest)));
}

void ConsoleRun::judge() {
    if (state != RunState::Running)
        return;
    seen.terminalIsParent = report.isValid() && report.parent == terminalPid;
    state = judgeRun(seen);
    if (state == RunState::NeverStarted)
        serviced.finish();
    else if (state == RunState::Ended)
        endLeftovers();
}

QList<qint64> ConsoleRun::leftovers() const {
    QList<qint64> left = processesLedBy(report.pid);
    // A wrapper that has closed the pipe is exiting: the kernel closes its
    // files a moment before it shows as a zombie.
    if (seen.wrapperEnded)
        left.removeAll(report.pid);
    return left;
}

void ConsoleRun::endLeftovers() {
    const QList<qint64> left = leftovers();
    if (left.isEmpty()) {
        serviced.finish();
        return;
    }
    // The kernel hangs up a console's processes only while its session
    // leader dies with the terminal; the launcher makes sure of it.
    signalProcesses(left, SIGHUP);
    signalProcesses(left, SIGCONT);
    sinceEnding.start();
    leftoverTimer.start();
}

void ConsoleRun::leftoverStep() {
    const QList<qint64> left = leftovers();
    if (left.isEmpty() || sinceEnding.elapsed() >= kGiveUpMs) {
        leftoverTimer.stop();
        serviced.finish();
        return;
    }
    if (!killed && sinceEnding.elapsed() >= kHangUpGraceMs) {
        killed = true;
        signalProcesses(left, SIGKILL);
    }
}

} // namespace qm::detail
