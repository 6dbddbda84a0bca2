#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <clocale>
#include <csignal>
#include <cstring>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>
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

QString directoryForThisSystem(const QString &text) {
    if (kWindows)
        return text;
    const bool driveLetter = text.size() >= 2 && text[1] == QLatin1Char(':') &&
                             text[0].isLetter() && text[0].unicode() < 128;
    if (driveLetter || text.startsWith(QLatin1Char('\\')))
        return defaultSourcePath();
    return text;
}

QString expandDirectory(const QString &text) {
    if (text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    if (QDir::isAbsolutePath(text))
        return text;
    return QDir::homePath() + separator() + text;
}

QString forbiddenFileNameCharacters() {
    QString characters = QStringLiteral("/\\");
    if (kWindows) {
        characters += QStringLiteral("<>:\"|?*");
        for (char16_t c = 1; c < 32; ++c)
            characters += QChar(c);
    }
    return QChar(0) + characters;
}

bool holdsControlCharacter(const QString &text) {
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString shownForbiddenCharacters() {
    QString shown;
    for (const QChar c : forbiddenFileNameCharacters()) {
        if (c.isPrint())
            shown += (shown.isEmpty() ? QString() : QStringLiteral(" ")) + c;
    }
    return shown;
}

namespace {

bool isDeviceName(const QString &fileName) {
    static const QStringList devices{"CON", "PRN", "AUX", "NUL"};
    const QString base = fileName.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    const bool numbered =
        base.size() == 4 &&
        (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
        base[3] >= QLatin1Char('1') && base[3] <= QLatin1Char('9');
    return devices.contains(base) || numbered;
}

} // namespace

bool fileNameUsable(const QString &fileName) {
    constexpr qsizetype kMaxFileName = 255;
    const QString forbidden = forbiddenFileNameCharacters();
    const bool clean = std::none_of(fileName.cbegin(), fileName.cend(),
                                    [&](QChar c) { return forbidden.contains(c); });
    if (!clean || fileName.isEmpty() || fileName == QLatin1String(".") ||
        fileName == QLatin1String(".."))
        return false;
    if (kWindows)
        return fileName.size() <= kMaxFileName && !isDeviceName(fileName);
    return QFile::encodeName(fileName).size() <= kMaxFileName;
}

QString cacheDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.cache");
    return dir + QStringLiteral("/quillmoss-java");
}

bool makeDirectory(const QString &path) {
#ifdef Q_OS_WIN
    return QDir().mkdir(path);
#else
    return ::mkdir(QFile::encodeName(path).constData(), 0755) == 0;
#endif
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

void makeWritable(const QString &path) {
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(native.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
#else
    const QFileInfo info(path); // a link's target, as a write through it would see
    if (!info.isFile() || info.ownerId() != ::geteuid())
        return;
    const QFile::Permissions permissions = info.permissions();
    if (!permissions.testFlag(QFile::WriteOwner))
        QFile::setPermissions(path, permissions | QFile::WriteOwner);
#endif
}

bool isOwnFile(const QString &path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return true;
#else
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
           status.st_uid == ::geteuid();
#endif
}

void widenToOwnerReadWrite(const QString &path) {
#ifdef Q_OS_WIN
    makeWritable(path); // every file is readable for its owner there
#else
    const QFileInfo info(path);
    if (!info.isFile() || info.ownerId() != ::geteuid())
        return;
    const QFile::Permissions ownerReadWrite = QFile::ReadOwner | QFile::WriteOwner;
    if ((info.permissions() & ownerReadWrite) != ownerReadWrite)
        QFile::setPermissions(path, info.permissions() | ownerReadWrite);
#endif
}

#ifndef Q_OS_WIN
namespace {
// A handler rather than SIG_IGN: an ignored signal stays ignored in the
// programs the build starts, a handler is reset when they are executed.
void fileSizeLimitReached(int) {}
} // namespace
#endif

void surviveFileSizeLimit() {
#ifndef Q_OS_WIN
    struct sigaction action {};
    action.sa_handler = fileSizeLimitReached;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXFSZ, &action, nullptr);
#endif
}

#ifdef Q_OS_WIN
// Nothing here needs named pipes, and every program writes UTF-8 when told.
bool makeNamedPipe(const QString &) {
    return false;
}

bool localeIsUtf8(const QProcessEnvironment &) {
    return true;
}
#else
bool makeNamedPipe(const QString &path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool localeIsUtf8(const QProcessEnvironment &environment) {
    QString name;
    for (const char *key : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        name = environment.value(QLatin1String(key));
        if (!name.isEmpty())
            break;
    }
    if (name.isEmpty())
        name = QStringLiteral("C");
    const locale_t locale = ::newlocale(LC_CTYPE_MASK, name.toLocal8Bit().constData(), nullptr);
    if (locale == locale_t(0))
        return false;
    const bool utf8 = std::strcmp(::nl_langinfo_l(CODESET, locale), "UTF-8") == 0;
    ::freelocale(locale);
    return utf8;
}
#endif

ScriptKind scriptKind() {
    return kWindows ? ScriptKind::Batch : ScriptKind::Posix;
}

} // namespace qm::platform
