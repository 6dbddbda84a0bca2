#pragma once
// Work the learner did not ask for (the warm javac's warm-up, making javac's
// class-data archive) runs at the system's lowest processor priority, so it
// takes only time nothing else wants and never slows typing.

#include <QProcess>

namespace qm::platform {

// `process`, once started, runs at the lowest priority an ordinary user may
// set (nice 19; the idle class on Windows), as do the programs it starts.
void startAtLowestPriority(QProcess &process);

} // namespace qm::platform
