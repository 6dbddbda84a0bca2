#pragma once
// Making javac's class-data archive, which halves javac's start: in the
// background, at the lowest priority (javac_archive.sh), detached from the program (a job cut
// short by the program's end would only have to start again). It is made
// soon after the first start, so the first build already finds it; a build
// that finds none (removed, damaged, a new JDK) has it made again.

#include "build/javac_probe.h"

namespace qm::build {

// Starts the job of javac_archive.sh for the JDK and cache of `setup`; false
// when there is nothing to make it with (no JDK, no cache, no bash) or it
// could not start.
bool startArchiveJob(const JavacSetup &setup);

// Looks at the javac on the search path and starts the job when no archive
// of its JDK lies in `cacheDirectory` and none is being made.
bool makeArchiveIfMissing(const QString &cacheDirectory);

} // namespace qm::build
