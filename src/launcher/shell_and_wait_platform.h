#pragma once
// The part of ShellAndWait that differs between Linux and Windows; one of
// shell_and_wait_posix.cpp and shell_and_wait_windows.cpp is built.

#include "launcher/shell_and_wait.h"

#include <QString>

namespace qm::detail {

// Runs an existing script (absolute path) and waits for its end in the
// application's event loop; a console's wrapper goes into `runFolder`, or a
// run folder of its own when that is empty.
bool runScriptAndWait(const QString &script, int windowStyle, LaunchFailure &failure,
                      const QString &runFolder);

} // namespace qm::detail
