#pragma once
// The program's look is a Qt style sheet. It is written beside the settings
// as SoftSkin.qss when missing, so a user can restyle the program by editing it.

#include <QString>

namespace qm {

inline constexpr auto kSkinFileName = "SoftSkin.qss";

// The style sheet compiled into the program.
QString embeddedSkin();

// Writes the embedded skin into `programDir` when no regular file of that name
// is there. Returns whether it wrote it. Failures are ignored.
bool ensureSkinFile(const QString &programDir);

// The skin from `programDir`, or the embedded one when that cannot be read.
QString readSkin(const QString &programDir);

} // namespace qm
