#include "launcher/wrapper_script.h"

#include "platform/shell_quote.h"
#include "resources/resources.h"

#include <QList>

namespace qm {

// The template wrapper_script.sh of the resources, filled.
QString wrapperScript(const QString &runDir, const QString &shell, const QString &script) {
    const QString pipe = runDir + QLatin1Char('/') + QLatin1String(kEndPipeName);
    return fillMarks(resourceText(QStringLiteral("wrapper_script.sh")),
                     {{QStringLiteral("end_pipe"), shellQuote(pipe)},
                      {QStringLiteral("script_shell"), shellQuote(shell)},
                      {QStringLiteral("script"), shellQuote(script)}});
}

WrapperReport parseWrapperReport(const QByteArray &received) {
    const qsizetype end = received.indexOf('\n');
    if (end < 0)
        return {};
    const QList<QByteArray> words = received.left(end).split(' ');
    if (words.size() != 2)
        return {};
    bool pidOk = false;
    bool parentOk = false;
    const qint64 pid = words[0].toLongLong(&pidOk);
    const qint64 parent = words[1].toLongLong(&parentOk);
    if (!pidOk || !parentOk || pid <= 0 || parent < 0)
        return {};
    return {pid, parent};
}

RunState judgeRun(const RunObservation &seen) {
    if (seen.wrapperEnded)
        return RunState::Ended;
    // A terminal that started the wrapper itself dies (kill -9, a crash, its
    // window killed: never a clean exit) with its console; one that exits
    // cleanly has handed the command on.
    if (seen.reported) {
        const bool consoleGone =
            seen.terminalExited && seen.terminalFailed && seen.terminalIsParent;
        return consoleGone ? RunState::Ended : RunState::Running;
    }
    if (!seen.terminalExited)
        return RunState::Running;
    return seen.msSinceTerminalExit >= reportGraceMs(seen.terminalFailed) ? RunState::NeverStarted
                                                                          : RunState::Running;
}

qint64 reportGraceMs(bool terminalFailed) {
    return terminalFailed ? kReportGraceAfterFailureMs : kReportGraceMs;
}

} // namespace qm
