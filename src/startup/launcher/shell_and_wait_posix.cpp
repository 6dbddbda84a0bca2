// Linux and other POSIX systems: style 0 runs the script with sh and no
// window; style 1 runs it in a terminal window through a wrapper that reports
// its start and end in a private directory.
#include "startup/launcher/serviced_wait.h"
#include "startup/launcher/shell_and_wait_platform.h"
#include "startup/launcher/terminal.h"
#include "startup/launcher/wrapper_script.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <memory>
#include <signal.h>

namespace qm::detail {

namespace {

// sh runs hidden scripts and the wrapper; console scripts are bash scripts.
const QString kPosixShell = QStringLiteral("/bin/sh");
const QString kScriptShell = QStringLiteral("/bin/bash");

std::unique_ptr<QProcess> startProcess(const QString &program, const QStringList &arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(-1))
        return nullptr;
    return process;
}

// Also reaps the child when no event loop runs to do it.
bool hasEnded(QProcess &process) {
    return process.state() == QProcess::NotRunning || process.waitForFinished(0);
}

bool processAlive(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

qint64 recordedPid(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return parsePid(file.read(32));
}

// A terminal that outlives the script (closing its window, say) is left to
// finish on its own; deleting a running QProcess would kill it.
void release(std::unique_ptr<QProcess> terminal) {
    if (terminal->state() == QProcess::NotRunning)
        return;
    QProcess *running = terminal.release();
    QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
}

// Runs the wait, looking at once when the process reports its end.
void watchEnd(QProcess &process, ServicedWait &wait) {
    const QMetaObject::Connection link =
        QObject::connect(&process, &QProcess::finished, &process, [&wait] { wait.check(); });
    wait.run();
    QObject::disconnect(link);
}

QString runDirectoryTemplate() {
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isDir())
        base = QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("quillmoss-run-XXXXXX"));
}

bool writeWrapper(const QString &path, const QString &runDir, const QString &script) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray text = wrapperScript(runDir, kScriptShell, script).toUtf8();
    const bool written = file.write(text) == text.size();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return written;
}

// Watches one run in a terminal until the wrapper says it has ended.
class TerminalRun {
public:
    TerminalRun(const QString &runDir, QProcess &terminalProcess)
        : donePath(QDir(runDir).filePath(QLatin1String(kDoneFileName))),
          pidPath(QDir(runDir).filePath(QLatin1String(kPidFileName))), terminal(terminalProcess) {}

    bool look() {
        seen.doneMarker = QFileInfo::exists(donePath);
        if (seen.pid == 0)
            seen.pid = recordedPid(pidPath);
        seen.pidAlive = seen.pid > 0 && processAlive(seen.pid);
        if (!seen.terminalExited && hasEnded(terminal)) {
            seen.terminalExited = true;
            seen.terminalFailed =
                terminal.exitStatus() != QProcess::NormalExit || terminal.exitCode() != 0;
            sinceExit.start();
        }
        seen.msSinceTerminalExit = seen.terminalExited ? sinceExit.elapsed() : 0;
        state = judgeRun(seen);
        return state != RunState::Running;
    }

    RunState outcome() const { return state; }

private:
    QString donePath;
    QString pidPath;
    QProcess &terminal;
    RunObservation seen;
    QElapsedTimer sinceExit;
    RunState state = RunState::Running;
};

bool runHidden(const QString &script, int sliceMs, LaunchFailure &failure) {
    std::unique_ptr<QProcess> process = startProcess(kPosixShell, {script});
    if (!process) {
        failure = LaunchFailure::NotStarted;
        return false;
    }
    ServicedWait wait([&] { return hasEnded(*process); }, sliceMs);
    watchEnd(*process, wait);
    return true;
}

bool runInTerminal(const QString &script, int sliceMs, LaunchFailure &failure) {
    const Terminal terminal = findTerminal(readTerminalConf(), QFileInfo(script).fileName());
    if (!terminal.isValid()) {
        failure = LaunchFailure::NoTerminal;
        return false;
    }
    failure = LaunchFailure::NotStarted;
    QTemporaryDir runDir(runDirectoryTemplate());
    const QString wrapper = runDir.filePath(QStringLiteral("run.sh"));
    if (!runDir.isValid() || !writeWrapper(wrapper, runDir.path(), script))
        return false;
    const QStringList line = terminalCommandLine(terminal, {kPosixShell, wrapper});
    std::unique_ptr<QProcess> process = startProcess(line.first(), line.mid(1));
    if (!process)
        return false;
    TerminalRun run(runDir.path(), *process);
    ServicedWait wait([&] { return run.look(); }, sliceMs);
    watchEnd(*process, wait);
    release(std::move(process));
    if (run.outcome() == RunState::NeverStarted)
        return false;
    failure = LaunchFailure::None;
    return true;
}

} // namespace

bool runScriptAndWait(const QString &script, int windowStyle, int sliceMs, LaunchFailure &failure) {
    if (windowStyle == kHiddenWindow)
        return runHidden(script, sliceMs, failure);
    return runInTerminal(script, sliceMs, failure);
}

} // namespace qm::detail
