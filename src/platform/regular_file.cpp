#include "platform/regular_file.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qm::platform {

namespace {

#ifdef Q_OS_WIN
bool openRegular(QFile &file, const QString &path) {
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}
#else
// Non-blocking, so that opening a named pipe returns at once; a regular
// file reads the same either way.
bool openRegular(QFile &file, const QString &path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
#endif

} // namespace

qint64 regularFileSize(const QString &path) {
    const QFileInfo info(path);
    return info.isFile() ? info.size() : -1;
}

std::optional<QByteArray> readRegularFile(const QString &path) {
    QFile file;
    if (!openRegular(file, path))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace qm::platform
