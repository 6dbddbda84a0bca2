#include "build/javac_probe.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>

namespace qm::build {

namespace {

// A job that makes an archive ends within three minutes; a younger work
// directory means one is under way.
constexpr qint64 kJobSeconds = 4 * 60;

// A JDK that could not make an archive is asked again after a day, or once
// the cache's disk has this much more room than when it failed.
constexpr qint64 kFailureSeconds = 24 * 60 * 60;
constexpr qint64 kArchiveRoomBytes = 64 * 1024 * 1024;

QString releaseValue(const QString &releaseText, QLatin1String key) {
    const QStringList lines = releaseText.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(key) && line.mid(key.size()).startsWith(QLatin1Char('=')))
            return line.mid(key.size() + 1).trimmed().remove(QLatin1Char('"'));
    }
    return {};
}

bool archiveUnderWay(const QString &cacheDirectory, const QString &version) {
    const QFileInfoList work =
        QDir(cacheDirectory)
            .entryInfoList({QStringLiteral(".javac-") + version + QStringLiteral("-*")},
                           QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    const QDateTime now = QDateTime::currentDateTime();
    return std::any_of(work.cbegin(), work.cend(), [&](const QFileInfo &dir) {
        return dir.lastModified().secsTo(now) < kJobSeconds;
    });
}

// Whether the failure noted in `marker` still holds: younger than a day, and
// no more room on the disk than it noted then (when it noted any).
bool failureHolds(const QString &marker, const QString &cacheDirectory) {
    QFile note(marker);
    if (!note.open(QIODevice::ReadOnly))
        return false;
    if (QFileInfo(note).lastModified().secsTo(QDateTime::currentDateTime()) >= kFailureSeconds)
        return false;
    bool noted = false;
    const qint64 roomThen = note.read(64).trimmed().toLongLong(&noted);
    return !noted || QStorageInfo(cacheDirectory).bytesAvailable() < roomThen + kArchiveRoomBytes;
}

// The archives checked in this run of the program, with the size and time
// they had then: each is read once, not at every build.
struct CheckedArchive {
    qint64 size = -1;
    QDateTime modified;
};

bool sumMatches(const QFileInfo &archive, const QString &sum) {
    static QHash<QString, CheckedArchive> checked;
    const auto known = checked.constFind(archive.filePath());
    if (known != checked.cend() && known->size == archive.size() &&
        known->modified == archive.lastModified())
        return true;
    QFile file(archive.filePath());
    QCryptographicHash md5(QCryptographicHash::Md5);
    if (!file.open(QIODevice::ReadOnly) || !md5.addData(&file) ||
        QString::fromLatin1(md5.result().toHex()) != sum)
        return false;
    checked.insert(archive.filePath(), {archive.size(), archive.lastModified()});
    return true;
}

// No recent failure to make one, and none under way.
bool mayMakeArchive(const QString &cacheDirectory, const QString &version) {
    const QString failed =
        cacheDirectory + QStringLiteral("/javac-") + version + QStringLiteral(".failed");
    return !failureHolds(failed, cacheDirectory) && !archiveUnderWay(cacheDirectory, version);
}

} // namespace

QString jdkVersion(const QString &releaseText) {
    QString version = releaseValue(releaseText, QLatin1String("JAVA_RUNTIME_VERSION"));
    if (version.isEmpty())
        version = releaseValue(releaseText, QLatin1String("JAVA_VERSION"));
    static const QRegularExpression unfit(QStringLiteral("[^A-Za-z0-9._+-]"));
    return version.replace(unfit, QStringLiteral("_"));
}

QString soundArchive(const QString &cacheDirectory, const QString &version) {
    if (cacheDirectory.isEmpty() || version.isEmpty())
        return {};
    static const QRegularExpression sumName(QStringLiteral("^[0-9a-f]{32}$"));
    static const QRegularExpression sizeName(QStringLiteral("^[0-9]*$"));
    const QString prefix = QStringLiteral("javac-") + version + QLatin1Char('-');
    const QFileInfoList archives =
        QDir(cacheDirectory)
            .entryInfoList({prefix + QStringLiteral("*.jsa")}, QDir::Files, QDir::Name);
    for (const QFileInfo &archive : archives) {
        const QString rest = archive.completeBaseName().mid(prefix.size());
        if (sumName.match(rest).hasMatch() && sumMatches(archive, rest))
            return archive.filePath();
        // Damaged, or named by its size as before: a sound one is made again.
        if (sumName.match(rest).hasMatch() || sizeName.match(rest).hasMatch())
            QFile::remove(archive.filePath());
    }
    return {};
}

JavacSetup probeJdk(const QStringList &searchDirs) {
    JavacSetup setup;
    setup.javac = QStandardPaths::findExecutable(QStringLiteral("javac"), searchDirs);
    const QFileInfo real(QFileInfo(setup.javac).canonicalFilePath());
    const QString jdk = real.dir().filePath(QStringLiteral(".."));
    QFile release(QDir::cleanPath(jdk + QStringLiteral("/release")));
    if (setup.javac.isEmpty() || real.completeBaseName() != QLatin1String("javac") ||
        !release.open(QIODevice::ReadOnly))
        return setup;
    setup.jdk = QDir::cleanPath(jdk);
    setup.version = jdkVersion(QString::fromUtf8(release.read(64 * 1024)));
    return setup;
}

bool archiveWanted(const QString &cacheDirectory, const QString &version) {
    if (cacheDirectory.isEmpty() || version.isEmpty() || cacheDirectory.contains(QLatin1Char(':')))
        return false;
    const QString prefix = QStringLiteral("javac-") + version;
    return QDir(cacheDirectory)
               .entryList({prefix + QStringLiteral("-*.jsa")}, QDir::Files)
               .isEmpty() &&
           mayMakeArchive(cacheDirectory, version);
}

JavacSetup probeJavac(const QString &cacheDirectory, const QStringList &searchDirs) {
    JavacSetup setup = probeJdk(searchDirs);
    if (setup.version.isEmpty() || cacheDirectory.contains(QLatin1Char(':')))
        return setup;
    setup.cacheDirectory = cacheDirectory;
    setup.archive = soundArchive(cacheDirectory, setup.version);
    setup.makeArchive = setup.archive.isEmpty() && mayMakeArchive(cacheDirectory, setup.version);
    return setup;
}

} // namespace qm::build
