#pragma once
// The processes a console's wrapper leaves behind, as Linux's /proc shows
// them. A terminal makes the wrapper a session and group leader, so every
// process of the build carries the wrapper's pid as its group or session
// (a process can only move out of both on purpose).

#include <QByteArray>
#include <QList>

#include <optional>

namespace qm::detail {

// The fields of one /proc/<pid>/stat line that tell whose process it is.
struct ProcessStat {
    qint64 pid = 0;
    char state = '?';
    qint64 parent = 0;
    qint64 group = 0;
    qint64 session = 0;

    bool isAlive() const { return state != 'Z' && state != 'X' && state != 'x'; }
};

// Parses a stat line; the command name may hold spaces and parentheses.
std::optional<ProcessStat> parseProcessStat(const QByteArray &line);

// Processes still running (zombies excluded: they have ended and only wait to
// be reaped) whose group or session is `leader`.
QList<qint64> processesLedBy(qint64 leader);

void signalProcesses(const QList<qint64> &pids, int signal);

} // namespace qm::detail
