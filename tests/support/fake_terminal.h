#pragma once
// Scripts and stand-in terminals for the launcher's tests without a display:
// a terminal is a small sh script named in Terminal.conf that runs "$@".

#include "launcher/terminal.h"

#include <QFile>
#include <QTemporaryDir>
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

class FakeTerminalDir {
public:
    QString path(const QString &name) const { return work.filePath(name); }

    QString writeScript(const QString &name, const QByteArray &body) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/bash\n" + body + "\n");
        return file.fileName();
    }

    // Makes `body` the terminal every console run uses from now on.
    void useTerminal(const QByteArray &body) const {
        QFile fake(path("fake-term"));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("#!/bin/sh\n" + body + "\n");
        fake.close();
        QVERIFY(fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile conf(terminalConfPath());
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(fake.fileName().toUtf8() + "\n");
    }

private:
    QTemporaryDir work;
};

} // namespace qm::testing
