#include "startup/launcher/shell_and_wait.h"

#include "startup/launcher/serviced_wait.h"
#include "startup/launcher/shell_and_wait_platform.h"

#include <QFileInfo>

namespace qm {

bool ShellAndWait(const QString &CommandLine, int WindowStyle, int WaitSlice,
                  LaunchFailure *failure) {
    LaunchFailure ignored = LaunchFailure::None;
    LaunchFailure &why = failure ? *failure : ignored;
    why = LaunchFailure::None;
    // A shell would start even for a missing script and only then fail; the
    // caller is owed a plain "could not start".
    const QFileInfo script(CommandLine);
    if (CommandLine.isEmpty() || !script.isFile()) {
        why = LaunchFailure::NotStarted;
        return false;
    }
    return detail::runScriptAndWait(script.absoluteFilePath(), WindowStyle, waitSliceMs(WaitSlice),
                                    why);
}

} // namespace qm
