#pragma once
// The main window's initialisation: settings load and the first-start step.

#include "settings/settings.h"

namespace qm {

// Loads MySet.ini (reading, validating, rewriting as needed). On a first
// start, when First is 0, marks the step done (First = 1) and stores it;
// there is nothing to register on this platform.
Settings initialiseSettings(const QString &programDir);

} // namespace qm
