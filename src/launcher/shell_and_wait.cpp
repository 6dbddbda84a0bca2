#include "launcher/shell_and_wait.h"

#include "launcher/shell_and_wait_platform.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qm {

namespace {

// Consoles waited for right now: each wait runs nested in the one before.
int openConsoles = 0;

} // namespace

bool ShellAndWait(const QString &CommandLine, int WindowStyle, int WaitSlice,
                  LaunchFailure *failure) {
    return ShellAndWait(CommandLine, WindowStyle, WaitSlice, ConsoleWindow{}, failure);
}

bool ShellAndWait(const QString &CommandLine, int WindowStyle, int WaitSlice,
                  const ConsoleWindow &console, LaunchFailure *failure) {
    // The end of the script wakes the wait; there is nothing to look at in between.
    Q_UNUSED(WaitSlice);
    LaunchFailure ignored = LaunchFailure::None;
    LaunchFailure &why = failure ? *failure : ignored;
    why = LaunchFailure::None;
    // A shell would start even for a missing script and only then fail; the
    // caller is owed a plain "could not start". Without an application there
    // is no event loop to wait in, and nothing is started.
    const QFileInfo script(CommandLine);
    if (CommandLine.isEmpty() || !script.isFile() || !QCoreApplication::instance()) {
        why = LaunchFailure::NotStarted;
        return false;
    }
    const detail::ConsolePlace place{console.title.isEmpty() ? script.fileName() : console.title,
                                     openConsoles};
    const int counted = WindowStyle == kHiddenWindow ? 0 : 1;
    openConsoles += counted;
    const bool ran = detail::runScriptAndWait(script.absoluteFilePath(), WindowStyle, place, why,
                                              console.runFolder);
    openConsoles -= counted;
    return ran;
}

} // namespace qm
