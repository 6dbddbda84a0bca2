#include "startup/platform/platform.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace qm::platform {

namespace {
#ifdef Q_OS_WIN
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif
} // namespace

QString programDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.config/quillmoss-java");
    QDir().mkpath(dir);
    return dir;
}

QString lineEnd() {
    return kWindows ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

QChar separator() {
    return kWindows ? QLatin1Char('\\') : QLatin1Char('/');
}

QString joinPath(const QString &directory, const QString &name) {
    return expandDirectory(directory) + separator() + name;
}

QString defaultSourcePath() {
    return kWindows ? QStringLiteral("D:\\MyJava") : QDir::homePath() + QStringLiteral("/MyJava");
}

bool directoryTextUsable(const QString &text) {
    if (kWindows)
        return text.contains(QLatin1Char(':'));
    return text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1String("~/"));
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
    return kWindows ? ScriptKind::Batch : ScriptKind::Posix;
}

} // namespace qm::platform
