#pragma once
// Where the open dialog starts.

#include <QString>

namespace qm {

// The directory of 目录 when it exists, else that of Path, else home.
QString openDialogStart(const QString &directoryField, const QString &Path);

} // namespace qm
