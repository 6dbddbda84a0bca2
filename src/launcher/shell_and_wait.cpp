#include "launcher/shell_and_wait.h"

#include "launcher/shell_and_wait_platform.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qm {

bool ShellAndWait(const QString &CommandLine, int WindowStyle, int WaitSlice,
                  LaunchFailure *failure, const QString &runFolder) {
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
    return detail::runScriptAndWait(script.absoluteFilePath(), WindowStyle, why, runFolder);
}

} // namespace qm
