#pragma once
// Scripts and stand-in terminals for the launcher's tests without a display:
// a terminal is a small sh script named in Terminal.conf that runs "$@".

#include "launcher/terminal.h"
#include "temporary_home.h"
#include "test_files.h"

#include <QTest>

namespace qm::testing {

// Like a terminal server: start the command in the background and leave.
inline const QByteArray kHandOffTerminal = R"("$@" </dev/null >/dev/null 2>&1 & exit 0)";
// Like a real terminal: the command leads a session of its own.
inline const QByteArray kSessionHandOffTerminal =
    R"(setsid "$@" </dev/null >/dev/null 2>&1 & exit 0)";
// Like xterm: the terminal stays the command's parent until it ends.
inline const QByteArray kParentTerminal =
    R"(echo $$ > "$QM_TERMINAL_PID"; setsid "$@" </dev/null >/dev/null 2>&1 & wait)";

// A scratch home whose settings directory holds the terminal of the test's choice.
class FakeTerminalDir {
public:
    QString path(const QString &name) const { return home.filePath(name); }

    // A console script; the launcher runs it with bash.
    QString writeScript(const QString &name, const QByteArray &body) const {
        return writeBytes(path(name), "#!/bin/bash\n" + body + "\n") ? path(name) : QString();
    }

    // Makes `body` the terminal every console run uses from now on.
    void useTerminal(const QByteArray &body) const {
        QVERIFY(writeExecutable(path("fake-term"), body));
        QVERIFY(writeBytes(terminalConfPath(), path("fake-term").toUtf8() + "\n"));
    }

    EnvironmentGuard &environment() { return home.environment(); }

private:
    TemporaryHome home;
};

} // namespace qm::testing
