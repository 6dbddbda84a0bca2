// Windows: the command interpreter runs the batch script in a console of its
// own (or none for style 0). The script and everything it starts belong to a
// job that ends them all when its handle closes, so a console closed while
// the program runs leaves nothing behind. The process handle wakes the wait.
#include "launcher/serviced_wait.h"
#include "launcher/shell_and_wait_platform.h"

#include <QDir>
#include <QWinEventNotifier>

#include <windows.h>

#include <string>

namespace qm::detail {

namespace {

HANDLE killOnCloseJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

// Without a job (a system that refuses nesting, say) the script still runs.
HANDLE jobFor(HANDLE process) {
    HANDLE job = killOnCloseJob();
    if (job && !AssignProcessToJobObject(job, process)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

void waitFor(HANDLE process) {
    ServicedWait wait;
    QWinEventNotifier ended(process);
    QObject::connect(&ended, &QWinEventNotifier::activated, &ended, [&wait] { wait.finish(); });
    if (WaitForSingleObject(process, 0) != WAIT_TIMEOUT)
        wait.finish();
    wait.run();
    ended.setEnabled(false);
}

} // namespace

// The command interpreter needs no wrapper: `runFolder` is of no use here.
bool runScriptAndWait(const QString &script, int windowStyle, const ConsolePlace &place,
                      LaunchFailure &failure, const QString &) {
    // cmd strips the outer pair of quotes and keeps the inner ones.
    std::wstring line =
        L"cmd.exe /d /c \"\"" + QDir::toNativeSeparators(script).toStdWString() + L"\"\"";
    std::wstring title = place.title.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.lpTitle = title.data();
    // The first console goes where the system puts it; the others cascade.
    if (place.openBefore > 0) {
        startup.dwFlags |= STARTF_USEPOSITION;
        startup.dwX = startup.dwY = DWORD(place.openBefore * kConsoleCascade);
    }
    startup.wShowWindow = windowStyle == kHiddenWindow ? SW_HIDE : SW_SHOWNORMAL;
    // Suspended until it is in the job, so nothing it starts can escape.
    const DWORD flags =
        (windowStyle == kHiddenWindow ? CREATE_NO_WINDOW : CREATE_NEW_CONSOLE) | CREATE_SUSPENDED;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                        &startup, &process)) {
        failure = LaunchFailure::NotStarted;
        return false;
    }
    HANDLE job = jobFor(process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    waitFor(process.hProcess);
    if (job)
        CloseHandle(job); // ends whatever the script left running
    CloseHandle(process.hProcess);
    return true;
}

} // namespace qm::detail
