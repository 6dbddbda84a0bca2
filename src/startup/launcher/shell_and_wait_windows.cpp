// Windows: the command interpreter runs the batch script in a console of its
// own (or none for style 0) and the process handle tells when it has ended.
#include "startup/launcher/serviced_wait.h"
#include "startup/launcher/shell_and_wait_platform.h"

#include <QDir>

#include <windows.h>

#include <string>

namespace qm::detail {

bool runScriptAndWait(const QString &script, int windowStyle, int sliceMs, LaunchFailure &failure) {
    // cmd strips the outer pair of quotes and keeps the inner ones.
    std::wstring line =
        L"cmd.exe /d /c \"\"" + QDir::toNativeSeparators(script).toStdWString() + L"\"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = windowStyle == kHiddenWindow ? SW_HIDE : SW_SHOWNORMAL;
    const DWORD flags = windowStyle == kHiddenWindow ? CREATE_NO_WINDOW : CREATE_NEW_CONSOLE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                        &startup, &process)) {
        failure = LaunchFailure::NotStarted;
        return false;
    }
    CloseHandle(process.hThread);
    ServicedWait wait([&] { return WaitForSingleObject(process.hProcess, 0) != WAIT_TIMEOUT; },
                      sliceMs);
    wait.run();
    CloseHandle(process.hProcess);
    return true;
}

} // namespace qm::detail
