#include "build/clean_up.h"

#include "build/build_script.h"
#include "startup/platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace qm::build {

namespace {

const QString kClassSuffix = QStringLiteral(".class");

void removeFile(const QString &path) {
    platform::setHidden(path, false);
    QFile::remove(path);
}

// A link among the package's directories could lead anywhere.
bool packageIsPlainDirectories(const QString &buildDirectory, const QString &package) {
    const QStringList levels = packageDirectories(buildDirectory, package);
    return std::none_of(levels.cbegin(), levels.cend(),
                        [](const QString &level) { return QFileInfo(level).isSymLink(); });
}

void removeNestedClassFiles(const QString &directory, const QStringList &ClassNames,
                            int ClassCount) {
    const QStringList classFiles =
        QDir(directory).entryList({QLatin1Char('*') + kClassSuffix}, QDir::Files | QDir::Hidden);
    for (const QString &file : classFiles) {
        if (isNestedClassFile(file, ClassNames, ClassCount))
            removeFile(directory + file);
    }
}

} // namespace

bool nameIsConfined(const QString &name) {
    const QString forbidden = platform::forbiddenFileNameCharacters();
    const bool clean =
        std::none_of(name.cbegin(), name.cend(), [&](QChar c) { return forbidden.contains(c); });
    return clean && name != QLatin1String(".") && name != QLatin1String("..");
}

QString packageDirectory(const QString &package) {
    if (package.isEmpty())
        return {};
    QString directory = package;
    directory.replace(QLatin1Char('.'), platform::separator());
    return directory + platform::separator();
}

QStringList packageDirectories(const QString &buildDirectory, const QString &package) {
    QStringList levels;
    QString level = buildDirectory;
    for (const QString &part : package.split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        level += part;
        levels.prepend(level);
        level += platform::separator();
    }
    return levels;
}

QStringList filesToDelete(const QString &buildDirectory, const QString &name,
                          const QString &package, const QStringList &ClassNames, int ClassCount,
                          qint16 Class) {
    QStringList files;
    if (Class == 0) {
        const QString classDirectory = buildDirectory + packageDirectory(package);
        for (int k = 0; k < ClassCount; ++k) {
            const QString className = ClassNames.value(k);
            if (!className.isEmpty() && nameIsConfined(className))
                files << classDirectory + className + kClassSuffix;
        }
    }
    if (nameIsConfined(name)) {
        files << buildDirectory + name + QStringLiteral(".java");
        files << buildDirectory + name + QStringLiteral(".HTML");
    }
    files << buildDirectory + javacOutputFileName();
    return files;
}

bool isNestedClassFile(const QString &fileName, const QStringList &ClassNames, int ClassCount) {
    if (!fileName.endsWith(kClassSuffix))
        return false;
    for (int k = 0; k < ClassCount; ++k) {
        const QString outer = ClassNames.value(k);
        if (!outer.isEmpty() && fileName.startsWith(outer + QLatin1Char('$')))
            return true;
    }
    return false;
}

void removeBuildFiles(const QString &buildDirectory, const QString &name, const QString &package,
                      const QStringList &ClassNames, int ClassCount, qint16 Class) {
    const bool reachable = packageIsPlainDirectories(buildDirectory, package);
    const qint16 keep = reachable ? Class : qint16(1);
    const QStringList files =
        filesToDelete(buildDirectory, name, package, ClassNames, ClassCount, keep);
    for (const QString &file : files)
        removeFile(file);
    if (keep != 0)
        return;
    removeNestedClassFiles(buildDirectory + packageDirectory(package), ClassNames, ClassCount);
    // rmdir removes only what is empty, so classes kept or made by others stay.
    for (const QString &level : packageDirectories(buildDirectory, package))
        QDir().rmdir(level);
}

} // namespace qm::build
