#include "platform/atomic_file.h"

#include "platform/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace qm {

namespace {

bool writeAll(QFileDevice &file, const QByteArray &bytes) {
    // A short write (full disk, size limit) shows only in the count or the flush.
    return file.write(bytes) == bytes.size() && file.flush();
}

// Renames over `to` itself: a link there is replaced, never followed.
bool renameOver(const QString &from, const QString &to) {
#ifdef Q_OS_WIN
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

const QString kTemporaryMark = QStringLiteral(".quillmoss-");

// QSaveFile writes a link's target; the program's own files must not. The
// temporary file's name says whose it is, so that one a kill left behind can
// be told from a user's file and removed at the next start.
bool replaceAtomically(const QString &path, const QByteArray &bytes) {
    const QFileInfo info(path);
    QTemporaryFile temporary(info.dir().filePath(QLatin1Char('.') + info.fileName() +
                                                 kTemporaryMark + QStringLiteral("XXXXXX")));
    if (!temporary.open() || !writeAll(temporary, bytes))
        return false;
    temporary.close();
    if (!renameOver(temporary.fileName(), path))
        return false;
    temporary.setAutoRemove(false);
    return true;
}

// The user's own protection, or a teacher's: never undone by a save. The
// mode's write bits are asked too, since the system lets root write anything.
bool isReadOnly(const QString &path) {
    const QFileInfo info(path); // a link's target, as a write through it would see
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.exists() && (!info.isWritable() || !(info.permissions() & writable));
}

bool saveThroughLink(const QString &path, const QByteArray &bytes) {
    if (isReadOnly(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // No temporary file beside it: a folder the user may not write in.
        return QFileInfo(path).isFile() && writeFileInPlace(path, bytes, AtLink::WriteTarget);
    }
    if (!writeAll(file, bytes)) {
        // commit() alone would rename the short file over the old one.
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool openInPlace(QFile &file, const QString &path, AtLink atLink) {
#ifdef Q_OS_WIN
    if (atLink == AtLink::Replace && QFileInfo(path).isSymLink())
        return false;
    file.setFileName(path);
    return file.open(QIODevice::ReadWrite);
#else
    const int noFollow = atLink == AtLink::Replace ? O_NOFOLLOW : 0;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_CLOEXEC | noFollow, 0666);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
#endif
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes, AtLink atLink) {
    return atLink == AtLink::Replace ? replaceAtomically(path, bytes)
                                     : saveThroughLink(path, bytes);
}

void removeStaleTemporaryFiles(const QString &folder) {
    static const QRegularExpression ours(QStringLiteral("^\\..+") +
                                         QRegularExpression::escape(kTemporaryMark) +
                                         QStringLiteral("[A-Za-z0-9]{6}$"));
    const QDateTime minuteAgo = QDateTime::currentDateTime().addSecs(-60);
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral(".*") + kTemporaryMark + QLatin1Char('*')},
                                   QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files) {
        if (ours.match(file.fileName()).hasMatch() && !file.isSymLink() &&
            platform::isOwnFile(file.filePath()) && file.lastModified() < minuteAgo)
            QFile::remove(file.filePath());
    }
}

bool writeFileInPlace(const QString &path, const QByteArray &bytes, AtLink atLink) {
    QFile file;
    // Overwriting before cutting reuses the file's own blocks, so a full disk
    // cannot stop the first part of the write.
    return openInPlace(file, path, atLink) && writeAll(file, bytes) && file.resize(bytes.size());
}

} // namespace qm
