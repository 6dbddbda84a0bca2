#include "platform/process_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace qm::platform {

namespace {

qint64 ownPid() {
    return QCoreApplication::applicationPid();
}

bool ownedByMe(const QFileInfo &info) {
#ifdef Q_OS_WIN
    Q_UNUSED(info);
    return true; // a user's temporary folder is that user's
#else
    return info.ownerId() == ::geteuid();
#endif
}

} // namespace

QString processFolderTemplate(const QString &base, const QString &prefix) {
    return QDir(base).filePath(prefix + QString::number(ownPid()) + QStringLiteral("-XXXXXX"));
}

QStringList foldersOfEndedProcesses(const QString &base, const QString &prefix) {
    const QRegularExpression name(QLatin1Char('^') + QRegularExpression::escape(prefix) +
                                  QStringLiteral("([0-9]+)-[A-Za-z0-9]{6}$"));
    QStringList ended;
    const QFileInfoList folders =
        QDir(base).entryInfoList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &folder : folders) {
        const QRegularExpressionMatch match = name.match(folder.fileName());
        if (match.hasMatch() && !folder.isSymLink() && ownedByMe(folder) &&
            processHasEnded(match.captured(1).toLongLong()))
            ended << folder.filePath();
    }
    return ended;
}

bool processHasEnded(qint64 pid) {
    if (pid <= 0)
        return true;
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER; // no such process
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
#else
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
#endif
}

bool pipeHasWriter(const QString &path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    // A reader that finds no data learns whether a writer is there: the end
    // of the input when none is, "try again" while one is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
    }
    const bool writer = got < 0 && errno == EAGAIN;
    ::close(fd);
    return writer;
#endif
}

QString runtimeDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

} // namespace qm::platform
