#pragma once
// What a run of the program that was killed left behind, cleared at start.

#include <QString>

namespace qm {

// Removes the run folders and warm javac folders of runs that have ended,
// and the program's own temporary files older than a minute from the
// program's folder (`programDir`), the source folder `Path` and its build
// folder.
void clearLeftovers(const QString &programDir, const QString &Path);

} // namespace qm
