#include "workspace/open_start.h"

#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

QString openDialogStart(const QString &lastFolder, const QString &directoryField,
                        const QString &Path) {
    for (const QString &candidate : {lastFolder, directoryField, Path}) {
        if (candidate.trimmed().isEmpty())
            continue;
        const QFileInfo info(platform::expandDirectory(candidate));
        if (info.isAbsolute() && info.isDir())
            return info.absoluteFilePath();
    }
    return QDir::homePath();
}

} // namespace qm
