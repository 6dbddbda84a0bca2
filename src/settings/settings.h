#pragma once
// The program-wide values: the four stored settings and the per-run build
// values, with their ranges and defaults.

#include <QString>
#include <QtGlobal>

namespace qm {

inline constexpr qint16 kModeMin = -500;
inline constexpr qint16 kModeMax = 500;

// Stored in MySet.ini. Path's default depends on the system (platform.h).
struct Settings {
    qint16 First = 0; // 1 once the first-start step has run
    qint16 Mode = 0;  // window height offset in twips, kModeMin..kModeMax
    qint16 Class = 0; // 1: keep .class files after a build
    QString Path;     // source directory; the build works in Path/ClassFiles

    friend bool operator==(const Settings &, const Settings &) = default;
};

// What "编译+运行" builds: the values of CompType.
enum class BuildKind : qint16 {
    StandardProgram = 0, // run with java
    Applet = 1,          // shown by appletviewer on a generated page
};

inline constexpr qint16 kDefaultApHeight = 200;
inline constexpr qint16 kDefaultApWidth = 400;

// Build values that live for one run of the program and are never stored.
struct RunValues {
    BuildKind CompType = BuildKind::StandardProgram;
    qint16 ApHeight = kDefaultApHeight;
    qint16 ApWidth = kDefaultApWidth;
};

// Everything the three windows share, owned by the program's entry.
struct ProgramState {
    QString programDir; // where MySet.ini lives
    Settings settings;
    RunValues run;
    // MySet.ini named a folder of another system, and Path holds the
    // default directory in its place until it is stored.
    bool pathMapped = false;
};

} // namespace qm
