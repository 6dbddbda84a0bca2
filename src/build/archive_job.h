#pragma once
// The class-data archive that lets javac's JVM start faster: bash lines that
// find it and make it. The archive is named after the JDK's version and its
// own size ("javac-17.0.15+6-Debian-1deb12u1-10182656.jsa"): the JVM crashes
// on a truncated archive, so one whose size differs is never used, and one
// damaged inside fails the JVM's checksum and is ignored silently.

#include <QString>
#include <QStringList>

namespace qm::build {

// After javacSetupLines (posix_script.cpp), which sets $jdk and $jdk_version:
// sets $archive and the array archive_flags when a sound archive is in
// `cacheDirectory`, else notes that one should be made. Empty when the
// directory cannot take one (empty, or holding ':', which the JVM reads as
// a list separator).
QStringList archiveLookupLines(const QString &cacheDirectory);

// At the end of the run: starts making the archive, detached from the
// console so closing it does not cut the work short. The archive is written
// under a temporary name in the cache directory, tried once, and renamed to
// its final name, so no build ever sees half of it; a JDK that cannot make
// one is noted and not asked again.
QStringList archiveStartLines(const QString &cacheDirectory);

// A small program that uses what learners' programs use (generics, lambdas,
// inner and anonymous classes, enums, exceptions), compiled to fill the archive.
QStringList archiveSampleLines();

} // namespace qm::build
