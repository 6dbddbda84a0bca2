#pragma once
// The main window's initialisation: settings load and the first-start step;
// and the one file a desktop may hand the program on its command line.

#include "settings/settings.h"

#include <QStringList>
#include <optional>

namespace qm {

// Loads MySet.ini (reading, validating, rewriting as needed). On a first
// start, when First is 0, marks the step done (First = 1) and stores it;
// there is nothing to register on this platform. `pathMapped`, when given,
// says whether the stored Path was one of another system (loadSettings).
Settings initialiseSettings(const QString &programDir, bool *pathMapped = nullptr);

// The file to open at start from the program's arguments (the program's own
// name first, Qt's options already taken out): the first argument that is
// not an option, or the first one after "--". A "file:" URL, as some file
// managers pass, becomes its local path. Further arguments are ignored.
std::optional<QString> fileArgument(const QStringList &arguments);

} // namespace qm
