// Linux and other POSIX systems: style 0 runs the script with sh and no
// window; style 1 runs it in a terminal window through a wrapper that reports
// its start and end through a pipe in a private directory.
#include "launcher/console_run.h"
#include "launcher/end_pipe.h"
#include "launcher/run_folder.h"
#include "launcher/serviced_wait.h"
#include "launcher/shell_and_wait_platform.h"
#include "launcher/terminal.h"
#include "launcher/wrapper_script.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <memory>
#include <signal.h>

namespace qm::detail {

namespace {

// sh runs hidden scripts and the wrapper; console scripts are bash scripts.
const QString kPosixShell = QStringLiteral("/bin/sh");
const QString kScriptShell = QStringLiteral("/bin/bash");

// A program started with hang-ups or Ctrl+C ignored (nohup, say) would hand
// that on to the console, and a closed window could then not end the script.
void resetSignals() {
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM})
        ::signal(signal, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

std::unique_ptr<QProcess> startProcess(const QString &program, const QStringList &arguments,
                                       const QProcessEnvironment &environment = {}) {
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    if (!environment.isEmpty())
        process->setProcessEnvironment(environment);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setChildProcessModifier(resetSignals);
    process->start();
    if (!process->waitForStarted(-1))
        return nullptr;
    return process;
}

// A terminal that outlives the script (closing its window, say) is left to
// finish on its own; deleting a running QProcess would kill it. One still
// there when the program ends goes with the application.
void release(std::unique_ptr<QProcess> terminal) {
    if (terminal->state() == QProcess::NotRunning)
        return;
    QProcess *running = terminal.release();
    running->setParent(QCoreApplication::instance());
    QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
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

bool runHidden(const QString &script, LaunchFailure &failure) {
    std::unique_ptr<QProcess> process = startProcess(kPosixShell, {script});
    if (!process) {
        failure = LaunchFailure::NotStarted;
        return false;
    }
    ServicedWait wait;
    QObject::connect(process.get(), &QProcess::finished, process.get(), [&wait] { wait.finish(); });
    if (process->state() == QProcess::NotRunning)
        wait.finish();
    wait.run();
    return true;
}

// Outside a UTF-8 locale a terminal shows the Chinese of its title and of
// the program's output as bytes of another character set; the script
// switches to C.UTF-8 then, and so does its terminal.
QProcessEnvironment terminalEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!platform::localeIsUtf8(environment))
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

// The first console goes where the terminal puts it; the others cascade from
// the screen's corner, where the first one stands without a window manager.
TerminalWindow terminalWindow(const ConsolePlace &place) {
    if (place.openBefore == 0)
        return {place.title};
    const int step = place.openBefore * kConsoleCascade;
    return {place.title, QPoint(step, step)};
}

bool runInTerminal(const QString &script, const ConsolePlace &place, LaunchFailure &failure,
                   const QString &givenFolder) {
    const Terminal terminal = findTerminal(readTerminalConf(), terminalWindow(place));
    if (!terminal.isValid()) {
        failure = LaunchFailure::NoTerminal;
        return false;
    }
    failure = LaunchFailure::NotStarted;
    std::unique_ptr<RunFolder> ownFolder;
    if (givenFolder.isEmpty())
        ownFolder = std::make_unique<RunFolder>();
    if (ownFolder && !ownFolder->isValid())
        return false;
    const QDir runDir(ownFolder ? ownFolder->path() : givenFolder);
    const QString wrapper = runDir.filePath(QStringLiteral("run.sh"));
    EndPipe pipe(runDir.filePath(QLatin1String(kEndPipeName)));
    if (!pipe.isValid() || !writeWrapper(wrapper, runDir.path(), script))
        return false;
    const QStringList line = terminalCommandLine(terminal, {kPosixShell, wrapper});
    std::unique_ptr<QProcess> process =
        startProcess(line.first(), line.mid(1), terminalEnvironment());
    if (!process)
        return false;
    RunState outcome = RunState::Running;
    {
        ConsoleRun run(*process, pipe);
        outcome = run.wait();
    }
    release(std::move(process));
    if (outcome == RunState::NeverStarted)
        return false;
    failure = LaunchFailure::None;
    return true;
}

} // namespace

bool runScriptAndWait(const QString &script, int windowStyle, const ConsolePlace &place,
                      LaunchFailure &failure, const QString &runFolder) {
    if (windowStyle == kHiddenWindow)
        return runHidden(script, failure);
    return runInTerminal(script, place, failure, runFolder);
}

} // namespace qm::detail
