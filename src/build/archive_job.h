#pragma once
// The class-data archive that lets javac's JVM start faster: the bash lines
// that use it and make it. The archive is named after the JDK's version and its
// own size ("javac-17.0.15+6-Debian-1deb12u1-10182656.jsa"): the JVM crashes
// on a truncated archive, so one whose size differs is never used, and one
// damaged inside fails the JVM's checksum and is ignored silently.

#include "build/javac_probe.h"

#include <QString>
#include <QStringList>

namespace qm::build {

// The javac setup: an empty javac_flags and archive_flags, and when the
// search path finds the javac the probe found, the quick flags in
// javac_flags and the archive, if one is sound, in archive_flags. Sets
// $archive and, for that javac, $same_javac.
QStringList javacSetupLines(const JavacSetup &setup);

// At the end of the run, when the probe asked for it: starts making the
// archive, detached from the console so closing it does not cut the work
// short. The archive is written under a temporary name in the cache
// directory, tried once, and renamed to its final name, so no build ever
// sees half of it; a JDK that cannot make one is noted and not asked again.
QStringList archiveStartLines(const JavacSetup &setup);

// A small program that uses what learners' programs use (generics, lambdas,
// inner and anonymous classes, enums, exceptions), compiled to fill the archive.
QStringList archiveSampleLines();

} // namespace qm::build
