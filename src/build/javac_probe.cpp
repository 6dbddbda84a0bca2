#include "build/javac_probe.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace qm::build {

namespace {

// A job that makes an archive ends within three minutes; a younger work
// directory means one is under way.
constexpr qint64 kJobSeconds = 4 * 60;

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
    const QString prefix = QStringLiteral("javac-") + version + QLatin1Char('-');
    const QDir cache(cacheDirectory);
    const QFileInfoList archives =
        cache.entryInfoList({prefix + QStringLiteral("*.jsa")}, QDir::Files, QDir::Name);
    for (const QFileInfo &archive : archives) {
        bool number = false;
        const qint64 promised = archive.completeBaseName().mid(prefix.size()).toLongLong(&number);
        if (number && promised > 0 && archive.size() == promised)
            return archive.filePath();
    }
    return {};
}

JavacSetup probeJavac(const QString &cacheDirectory, const QStringList &searchDirs) {
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
    if (setup.version.isEmpty() || cacheDirectory.contains(QLatin1Char(':')))
        return setup;
    setup.cacheDirectory = cacheDirectory;
    setup.archive = soundArchive(cacheDirectory, setup.version);
    const QString failed =
        cacheDirectory + QStringLiteral("/javac-") + setup.version + QStringLiteral(".failed");
    setup.makeArchive = setup.archive.isEmpty() && !QFileInfo::exists(failed) &&
                        !archiveUnderWay(cacheDirectory, setup.version);
    return setup;
}

} // namespace qm::build
