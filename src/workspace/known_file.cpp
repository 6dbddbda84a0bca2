#include "workspace/known_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace qm {

namespace {

QByteArray digestOf(const QByteArray &bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The file's bytes when it has exactly `size` of them, read only then: the
// name may belong to something huge.
std::optional<QByteArray> bytesIfSized(const QString &path, qint64 size) {
    QFile file(path);
    if (file.size() != size || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != size)
        return std::nullopt;
    return bytes;
}

} // namespace

void KnownFile::remember(const QString &path, const QByteArray &bytes) {
    canonicalPath = QFileInfo(path).canonicalFilePath();
    size = bytes.size();
    digest = digestOf(bytes);
}

bool KnownFile::replacesOther(const QString &path, const QByteArray &bytes) const {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return false;
    if (!canonicalPath.isEmpty() && info.canonicalFilePath() == canonicalPath) {
        const std::optional<QByteArray> held = bytesIfSized(path, size);
        if (held && digestOf(*held) == digest)
            return false;
    }
    const std::optional<QByteArray> held = bytesIfSized(path, bytes.size());
    return !held || *held != bytes;
}

} // namespace qm
