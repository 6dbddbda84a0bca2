#include "startup/platform.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace qm::platform {

QString programDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.config/quillmoss-java");
    QDir().mkpath(dir);
    return dir;
}

QString lineEnd() {
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

QChar separator() {
#ifdef Q_OS_WIN
    return QLatin1Char('\\');
#else
    return QLatin1Char('/');
#endif
}

QString joinPath(const QString &directory, const QString &name) {
    return expandDirectory(directory) + separator() + name;
}

QString defaultSourcePath() {
#ifdef Q_OS_WIN
    return QStringLiteral("D:\\MyJava");
#else
    return QDir::homePath() + QStringLiteral("/MyJava");
#endif
}

bool directoryTextUsable(const QString &text) {
#ifdef Q_OS_WIN
    return text.contains(QLatin1Char(':'));
#else
    return text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1String("~/"));
#endif
}

QString expandDirectory(const QString &text) {
    if (text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

void setHidden(const QString &path, bool hidden) {
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    SetFileAttributesW(native.c_str(), hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL);
#else
    Q_UNUSED(path);
    Q_UNUSED(hidden);
#endif
}

ScriptKind scriptKind() {
#ifdef Q_OS_WIN
    return ScriptKind::Batch;
#else
    return ScriptKind::Posix;
#endif
}

} // namespace qm::platform
