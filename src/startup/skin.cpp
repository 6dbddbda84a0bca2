#include "startup/skin.h"

#include "platform/atomic_file.h"
#include "resources/resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qm {

namespace {
QString skinPath(const QString &programDir) {
    return QDir(programDir).filePath(QString::fromLatin1(kSkinFileName));
}
} // namespace

QString embeddedSkin() {
    initResources();
    QFile file(QStringLiteral(":/quillmoss/SoftSkin.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool ensureSkinFile(const QString &programDir) {
    const QString path = skinPath(programDir);
    const QFileInfo info(path);
    // Anything already there, even a directory, is the user's and stays.
    if (info.exists() || info.isSymLink())
        return false;
    return writeFileAtomically(path, embeddedSkin().toUtf8());
}

QString readSkin(const QString &programDir) {
    QFile file(skinPath(programDir));
    if (QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly))
        return QString::fromUtf8(file.readAll());
    return embeddedSkin();
}

} // namespace qm
