#pragma once
// A build's run folder laid out as Comp lays it out, for the tests that write
// and run the console's script themselves: "classes" for javac's class
// files, and "build" leading to the build directory.

#include "build/build_script.h"

#include <QDir>
#include <QFile>

namespace qm::testing {

// Makes `runDir` afresh, and `buildDir` when missing; the places to fill the
// script with.
inline build::BuildPlaces layOutRunFolder(const QString &runDir, const QString &buildDir) {
    QDir(runDir).removeRecursively();
    QDir().mkpath(runDir + "/classes");
    QDir().mkpath(buildDir);
    QFile::link(buildDir, runDir + "/build");
    return {buildDir, runDir};
}

} // namespace qm::testing
