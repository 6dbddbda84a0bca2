#include "launcher/process_group.h"

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
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

namespace {

// One stat line, read with plain system calls: the scan runs as the console
// ends, and Qt's file classes made it cost milliseconds.
QByteArray readStat(const char *pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%.20s/stat", pid); // pids are short
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[512];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return got > 0 ? QByteArray(buffer, got) : QByteArray();
}

} // namespace

QList<qint64> processesLedBy(qint64 leader) {
    QList<qint64> found;
    // Never the program's own group or session, whatever a terminal reported.
    if (leader <= 0 || leader == ::getpgrp() || leader == ::getsid(0))
        return found;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return found;
    while (const dirent *entry = ::readdir(proc)) {
        if (entry->d_name[0] < '0' || entry->d_name[0] > '9')
            continue;
        // A process that ended meanwhile has no stat to read.
        const std::optional<ProcessStat> stat = parseProcessStat(readStat(entry->d_name));
        if (stat && stat->isAlive() && (stat->group == leader || stat->session == leader))
            found << stat->pid;
    }
    ::closedir(proc);
    return found;
}

void signalProcesses(const QList<qint64> &pids, int signal) {
    for (const qint64 pid : pids)
        ::kill(static_cast<pid_t>(pid), signal);
}

} // namespace qm::detail
