#pragma once
// Benchmarks that need an X display start themselves again under xvfb-run on
// a machine without one.

#include <QByteArray>
#include <QtGlobal>

#include <unistd.h>
#include <vector>

namespace qm::bench {

// Returns only when a display is there or xvfb-run could not be started.
inline void ensureDisplay(int argc, char **argv) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || qEnvironmentVariableIsSet("QM_RESTARTED"))
        return;
    qputenv("QM_RESTARTED", "1");
    std::vector<char *> args{const_cast<char *>("xvfb-run"), const_cast<char *>("-a")};
    args.insert(args.end(), argv, argv + argc);
    args.push_back(nullptr);
    execvp("xvfb-run", args.data());
}

} // namespace qm::bench
