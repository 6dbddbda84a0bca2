#pragma once
// Where the open dialog starts.

#include <QString>

namespace qm {

// The folder a source was last opened from when it still exists, else the
// directory of 目录, else that of Path, else home.
QString openDialogStart(const QString &lastFolder, const QString &directoryField,
                        const QString &Path);

} // namespace qm
