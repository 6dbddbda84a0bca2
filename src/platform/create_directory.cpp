#include "platform/create_directory.h"

#include "platform/platform.h"

#include <QDir>
#include <QStringList>

namespace qm {

QStringList directoryLevels(const QString &path) {
    const QChar sep = platform::separator();
    QString copy = path;
    if (!copy.endsWith(sep))
        copy += sep;
    QStringList levels;
    for (qsizetype i = copy.indexOf(sep); i >= 0; i = copy.indexOf(sep, i + 1))
        levels << copy.left(i + 1);
    return levels;
}

// New levels are writable by their owner only, whatever the umask allows:
// a build refuses a folder that others may write.
void CreateNewDirectory(const QString &path) {
    for (const QString &level : directoryLevels(platform::expandDirectory(path)))
        platform::makeDirectory(level);
}

} // namespace qm
