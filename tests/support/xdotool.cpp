#include "xdotool.h"

#include <QProcess>

namespace qm::testing {

QByteArray runTool(const QString &tool, const QStringList &arguments, bool *ok,
                   std::chrono::milliseconds timeout) {
    QProcess process;
    process.start(tool, arguments);
    const bool done = process.waitForFinished(int(timeout.count()));
    if (!done) {
        process.kill();
        process.waitForFinished(1000);
    }
    if (ok)
        *ok = done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

QByteArray xdotool(const QStringList &arguments, bool *ok) {
    return runTool(QStringLiteral("xdotool"), arguments, ok).trimmed();
}

} // namespace qm::testing
