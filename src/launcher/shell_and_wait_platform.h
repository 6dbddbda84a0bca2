#pragma once
// The part of ShellAndWait that differs between Linux and Windows; one of
// shell_and_wait_posix.cpp and shell_and_wait_windows.cpp is built.

#include "launcher/shell_and_wait.h"

#include <QString>

namespace qm::detail {

// Runs an existing script (absolute path) and waits for its end in the
// application's event loop.
bool runScriptAndWait(const QString &script, int windowStyle, LaunchFailure &failure);

} // namespace qm::detail
