#include "requirements.h"

#include <QStandardPaths>
#include <QTest>

namespace qm::testing {

QString missingTools(const QStringList &tools) {
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return tool + QStringLiteral(" is not installed");
    }
    return {};
}

QString missingDisplay() {
    return qEnvironmentVariableIsEmpty("DISPLAY")
               ? QStringLiteral("needs an X display (run under xvfb_session.sh)")
               : QString();
}

QString missingForConsole() {
    const QString tool = missingTools({"javac", "java", "xterm", "xdotool"});
    return tool.isEmpty() ? missingDisplay() : tool;
}

void stopForMissing(const QString &missing, const char *file, int line) {
    const QByteArray reason = missing.toUtf8();
    if (qEnvironmentVariableIsSet("CI"))
        QTest::qFail(reason.constData(), file, line);
    else
        QTest::qSkip(reason.constData(), file, line);
}

} // namespace qm::testing
