#include "startup/launcher/process_group.h"

#include <QDir>
#include <QFile>

#include <signal.h>
#include <unistd.h>

namespace qm::detail {

std::optional<ProcessStat> parseProcessStat(const QByteArray &line) {
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    if (open <= 0 || close < open)
        return std::nullopt;
    bool ok = false;
    ProcessStat stat;
    stat.pid = line.left(open).trimmed().toLongLong(&ok);
    if (!ok || stat.pid <= 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 1).simplified().split(' ');
    if (fields.size() < 4 || fields[0].size() != 1)
        return std::nullopt;
    stat.state = fields[0][0];
    qint64 *numbers[] = {&stat.parent, &stat.group, &stat.session};
    for (int i = 0; i < 3; ++i) {
        *numbers[i] = fields[i + 1].toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    }
    return stat;
}

QList<qint64> processesLedBy(qint64 leader) {
    QList<qint64> found;
    // Never the program's own group or session, whatever a terminal reported.
    if (leader <= 0 || leader == ::getpgrp() || leader == ::getsid(0))
        return found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        if (!entry.front().isDigit())
            continue;
        QFile file(QStringLiteral("/proc/") + entry + QStringLiteral("/stat"));
        if (!file.open(QIODevice::ReadOnly))
            continue; // ended meanwhile
        const std::optional<ProcessStat> stat = parseProcessStat(file.readAll());
        if (stat && stat->isAlive() && (stat->group == leader || stat->session == leader))
            found << stat->pid;
    }
    return found;
}

void signalProcesses(const QList<qint64> &pids, int signal) {
    for (const qint64 pid : pids)
        ::kill(static_cast<pid_t>(pid), signal);
}

} // namespace qm::detail
