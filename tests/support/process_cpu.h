#pragma once
// What the system tells of a process's use of the processor.

#include <QtGlobal>

#include <cerrno>
#include <sys/resource.h>

namespace qm::testing {

// The processor time this process has used so far, user and system, in
// seconds: what a wait costs is the difference around it.
inline double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The nice value of the process `pid` (0 is the normal one); 0 where the
// system tells none.
inline int niceValueOf(qint64 pid) {
    errno = 0;
    const int value = ::getpriority(PRIO_PROCESS, static_cast<id_t>(pid));
    return errno == 0 ? value : 0;
}

} // namespace qm::testing
