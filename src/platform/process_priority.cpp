#include "platform/process_priority.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace qm::platform {

#ifdef Q_OS_WIN
void startAtLowestPriority(QProcess &process) {
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        arguments->flags |= IDLE_PRIORITY_CLASS;
    });
}
#else
namespace {
constexpr int kLowestPriority = 19;
}

// Runs in the child between fork and exec: setpriority is safe there.
void startAtLowestPriority(QProcess &process) {
    process.setChildProcessModifier([] { ::setpriority(PRIO_PROCESS, 0, kLowestPriority); });
}
#endif

} // namespace qm::platform
