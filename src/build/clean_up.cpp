#include "build/clean_up.h"

#include "platform/platform.h"

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

void removeClassFilesOf(const QString &directory, const QStringList &types) {
    const QStringList classFiles =
        QDir(directory).entryList({QLatin1Char('*') + kClassSuffix}, QDir::Files | QDir::Hidden);
    for (const QString &file : classFiles) {
        if (isClassFileOf(file, types))
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

QStringList filesToDelete(const QString &buildDirectory, const QString &package,
                          const QStringList &ClassNames, int ClassCount, qint16 Class) {
    QStringList files;
    if (Class != 0)
        return files;
    const QString classDirectory = buildDirectory + packageDirectory(package);
    for (int k = 0; k < ClassCount; ++k) {
        const QString className = ClassNames.value(k);
        if (!className.isEmpty() && nameIsConfined(className))
            files << classDirectory + className + kClassSuffix;
    }
    return files;
}

bool isClassFileOf(const QString &fileName, const QStringList &types) {
    if (!fileName.endsWith(kClassSuffix))
        return false;
    const QString base = fileName.chopped(kClassSuffix.size());
    return std::any_of(types.cbegin(), types.cend(), [&](const QString &type) {
        return !type.isEmpty() && (base == type || base.startsWith(type + QLatin1Char('$')));
    });
}

void removeBuildFiles(const QString &buildDirectory, const CompiledSource &compiled,
                      const QStringList &ClassNames, int ClassCount, qint16 Class) {
    const bool reachable = packageIsPlainDirectories(buildDirectory, compiled.package);
    const qint16 keep = reachable ? Class : qint16(1);
    const QStringList files =
        filesToDelete(buildDirectory, compiled.package, ClassNames, ClassCount, keep);
    for (const QString &file : files)
        removeFile(file);
    if (keep != 0)
        return;
    const QStringList types = ClassNames.mid(0, ClassCount) + compiled.types;
    removeClassFilesOf(buildDirectory + packageDirectory(compiled.package), types);
    // rmdir removes only what is empty, so classes kept or made by others stay.
    for (const QString &level : packageDirectories(buildDirectory, compiled.package))
        QDir().rmdir(level);
}

} // namespace qm::build
