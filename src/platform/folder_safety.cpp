#include "platform/folder_safety.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef Q_OS_WIN
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qm::platform {

namespace {

#ifdef Q_OS_WIN
// The classic limits, which the command interpreter keeps to.
constexpr qsizetype kPathMax = 260;
constexpr qsizetype kNameMax = 255;
#else
constexpr qsizetype kPathMax = PATH_MAX;
constexpr qsizetype kNameMax = NAME_MAX;

FolderSafety safetyOf(const QString &folder, bool innermost) {
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0)
        return FolderSafety::NotOwned; // nothing known about it: not to be trusted
    const uid_t me = ::geteuid();
    const bool othersWrite = (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    if (innermost)
        return status.st_uid != me ? FolderSafety::NotOwned
               : othersWrite       ? FolderSafety::OthersMayWrite
                                   : FolderSafety::Safe;
    if (status.st_uid != me && status.st_uid != 0)
        return FolderSafety::NotOwned;
    return othersWrite && !(status.st_mode & S_ISVTX) ? FolderSafety::OthersMayWrite
                                                      : FolderSafety::Safe;
}
#endif

} // namespace

FolderCheck checkFolderSafety(const QString &folder, FolderRole role) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    Q_UNUSED(role);
    return {};
#else
    QString level = QFileInfo(folder).canonicalFilePath();
    if (level.isEmpty())
        return {FolderSafety::NotOwned, folder};
    for (bool innermost = role == FolderRole::Build;; innermost = false) {
        const FolderSafety safety = safetyOf(level, innermost);
        if (safety != FolderSafety::Safe)
            return {safety, level};
        if (level == QLatin1String("/"))
            return {};
        level = QFileInfo(level).path();
    }
#endif
}

bool pathFitsSystem(const QString &path) {
    const QByteArray bytes = QFile::encodeName(QDir::toNativeSeparators(path));
    if (bytes.size() >= kPathMax)
        return false;
    const QList<QByteArray> parts = bytes.split(QDir::separator().toLatin1());
    return std::all_of(parts.cbegin(), parts.cend(),
                       [](const QByteArray &part) { return part.size() <= kNameMax; });
}

} // namespace qm::platform
