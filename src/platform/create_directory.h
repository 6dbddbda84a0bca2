#pragma once

#include <QString>

namespace qm {

// Creates every level of a directory path, one attempt per level from the
// root down; levels that exist or cannot be made are passed over silently.
// A leading "~/" is expanded to the home directory. Levels it makes are not
// writable by group or others.
void CreateNewDirectory(const QString &path);

// The attempts CreateNewDirectory makes, in order (without the "~/" expansion).
QStringList directoryLevels(const QString &path);

} // namespace qm
