#include "startup/platform/atomic_file.h"

#include <QSaveFile>

namespace qm {

bool writeFileAtomically(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() alone renames a short write (full disk, size limit) over the
    // old file and reports success; an explicit flush reports it.
    const bool complete = file.write(bytes) == bytes.size() && file.flush();
    if (!complete) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace qm
