#include "startup/launcher/wrapper_script.h"

#include "startup/platform/shell_quote.h"

#include <QStringList>

namespace qm {

QString wrapperScript(const QString &runDir, const QString &shell, const QString &script) {
    // The pid is written through a temporary name so a half-written number is
    // never read. Signals become an exit so that the EXIT trap runs.
    const QStringList lines{
        QStringLiteral("#!/bin/sh"),
        QStringLiteral("run=") + shellQuote(runDir),
        QStringLiteral("trap 'touch \"$run/%1\"' EXIT").arg(QLatin1String(kDoneFileName)),
        QStringLiteral("trap 'exit 129' HUP"),
        QStringLiteral("trap 'exit 130' INT"),
        QStringLiteral("trap 'exit 143' TERM"),
        QStringLiteral("echo $$ > \"$run/%1.new\" && mv \"$run/%1.new\" \"$run/%1\"")
            .arg(QLatin1String(kPidFileName)),
        shellQuote(shell) + QLatin1Char(' ') + shellQuote(script),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

qint64 parsePid(const QByteArray &content) {
    const QByteArray text = content.trimmed();
    if (!content.endsWith('\n') || text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 pid = text.toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

RunState judgeRun(const RunObservation &seen) {
    if (seen.doneMarker)
        return RunState::Ended;
    if (seen.pid > 0)
        return seen.pidAlive ? RunState::Running : RunState::Ended;
    if (!seen.terminalExited)
        return RunState::Running;
    const qint64 grace = seen.terminalFailed ? kPidGraceAfterFailureMs : kPidGraceMs;
    return seen.msSinceTerminalExit >= grace ? RunState::NeverStarted : RunState::Running;
}

} // namespace qm
