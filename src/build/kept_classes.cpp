#include "build/kept_classes.h"

#include "platform/atomic_file.h"
#include "platform/platform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace qm::build {

namespace {

// Makes the package folders of `relativeFolder` below `buildDirectory`;
// false when one of them is a link or no folder.
bool makePackageFolders(const QString &buildDirectory, const QString &relativeFolder) {
    QString level = buildDirectory;
    for (const QString &part : relativeFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        level += part;
        const QFileInfo info(level);
        if (info.isSymLink() || (info.exists() && !info.isDir()))
            return false;
        if (!info.exists() && !platform::makeDirectory(level))
            return false;
        level += platform::separator();
    }
    return true;
}

} // namespace

void keepClassFiles(const QString &classDirectory, const QString &buildDirectory) {
    const QDir classes(classDirectory);
    QDirIterator found(classDirectory, {QStringLiteral("*.class")}, QDir::Files | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QString file = found.next();
        const QString relative = classes.relativeFilePath(file);
        QFile source(file);
        if (!makePackageFolders(buildDirectory, relative.section(QLatin1Char('/'), 0, -2)) ||
            !source.open(QIODevice::ReadOnly))
            continue;
        writeFileAtomically(buildDirectory + QDir::toNativeSeparators(relative), source.readAll(),
                            AtLink::Replace);
    }
}

} // namespace qm::build
