#include "startup/atomic_file.h"

#include <QSaveFile>

namespace qm {

bool writeFileAtomically(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A short write (full disk, size limit) can go unreported until the data
    // is flushed, so the size on disk is checked before the rename.
    const bool complete =
        file.write(bytes) == bytes.size() && file.flush() && file.size() == bytes.size();
    if (!complete) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace qm
