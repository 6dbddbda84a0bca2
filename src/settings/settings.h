#pragma once
// The program-wide values: the four stored settings and the per-run build values.

#include <QString>
#include <QtGlobal>

namespace qm {

// Stored in MySet.ini.
struct Settings {
    qint16 First = 0; // 1 once the first-start step has run
    qint16 Mode = 0;  // window height offset in twips, -500..500
    qint16 Class = 0; // 1: keep .class files after a build
    QString Path;     // source directory; the build works in Path/ClassFiles

    friend bool operator==(const Settings &, const Settings &) = default;
};

// Build values that live for one run of the program and are never stored.
struct RunValues {
    qint16 CompType = 0; // 0 standard Java program, 1 applet
    qint16 ApHeight = 200;
    qint16 ApWidth = 400;
};

// Everything the three windows share, owned by the program's entry.
struct ProgramState {
    QString programDir; // where MySet.ini lives
    Settings settings;
    RunValues run;
};

constexpr qint16 kModeMin = -500;
constexpr qint16 kModeMax = 500;

} // namespace qm
