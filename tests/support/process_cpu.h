#pragma once
// The processor time this process has used so far, user and system, in
// seconds: what a wait costs is the difference around it.

#include <sys/resource.h>

namespace qm::testing {

inline double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace qm::testing
