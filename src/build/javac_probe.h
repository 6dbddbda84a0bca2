#pragma once
// Which javac the console will run, and what lets it start faster: looked
// at in the program when the build starts, so the script itself forks
// nothing for it. The script still checks that its search path finds the
// same javac; if not, it runs javac plainly.

#include <QString>
#include <QStringList>

namespace qm::build {

// A JVM of this program that compiles for the console (javac_server.h).
struct WarmJavac {
    QString directory; // its private directory: the request pipe and the answers
    qint64 pid = 0;    // 0 when none is ready: the script starts javac itself
};

struct JavacSetup {
    QString javac;            // the javac the search path finds, as found ("" none)
    QString jdk;              // its JDK's directory; "" when no JDK release file lies there
    QString version;          // the JDK's version as a file name takes it ("" with no JDK)
    QString cacheDirectory;   // where archives live; "" when none can be kept
    QString archive;          // a sound archive for this JDK, "" when none
    bool makeArchive = false; // none, none being made, and this JDK has not failed to make one
                              // lately (a day, or until the disk has more room)
    WarmJavac server;         // filled by the build, not by the probe
};

// The JDK's version from its release file: JAVA_RUNTIME_VERSION (it tells
// builds apart), else JAVA_VERSION; characters a file name should not hold
// become '_'. "" when neither is there.
QString jdkVersion(const QString &releaseText);

// The archive of `version` in `cacheDirectory` whose MD5 sum is the one its
// name holds ("javac-<version>-<sum>.jsa"), or "". Each is read once in a run
// of the program, and again when it changes. One that does not match, or is
// named by its size as before, is removed, so that a sound one is made again.
QString soundArchive(const QString &cacheDirectory, const QString &version);

// The javac in `searchDirs` (the PATH when empty), its JDK and version, without
// a look at the cache: cheap enough for a keystroke's aftermath.
JavacSetup probeJdk(const QStringList &searchDirs = {});

// Whether an archive of `version` should be made in `cacheDirectory`: none
// is named there, none is being made, and making one has not failed lately.
// Reads names only; whether one there is sound the build's probe tells.
bool archiveWanted(const QString &cacheDirectory, const QString &version);

// Looks for javac in `searchDirs` (the PATH when empty) and at the cache.
// A cache directory holding ':' takes no archive: the JVM reads it as a list.
JavacSetup probeJavac(const QString &cacheDirectory, const QStringList &searchDirs = {});

} // namespace qm::build
