#pragma once
// The class files a build keeps when Class says so: javac wrote them into the
// build's own run folder, and they join the build directory as javac would
// have written them there, package folders included.

#include <QString>

namespace qm::build {

// Copies every class file below `classDirectory` to the same place below
// `buildDirectory` (which ends with a separator). A link in a class file's
// place is replaced, never written through; below a package folder that is a
// link or no folder at all nothing is kept. Reports nothing.
void keepClassFiles(const QString &classDirectory, const QString &buildDirectory);

} // namespace qm::build
