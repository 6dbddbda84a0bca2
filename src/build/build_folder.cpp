#include "build/build_folder.h"

#include "build/build_script.h"
#include "build/comp.h"
#include "platform/create_directory.h"
#include "platform/folder_safety.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace qm::build {

namespace {

FolderVerdict verdictOf(platform::FolderSafety safety) {
    switch (safety) {
    case platform::FolderSafety::Safe: return FolderVerdict::Usable;
    case platform::FolderSafety::NotOwned: return FolderVerdict::NotOwned;
    case platform::FolderSafety::OthersMayWrite: return FolderVerdict::OpenToOthers;
    }
    return FolderVerdict::NotOwned;
}

// The deepest level of `directory` that exists now: the folder that would
// hold what CreateNewDirectory makes.
QString deepestExistingLevel(const QString &directory) {
    QString level = QDir::cleanPath(directory);
    while (!QFileInfo(level).isDir() && QFileInfo(level).path() != level)
        level = QFileInfo(level).path();
    return level;
}

} // namespace

BuildFolder prepareBuildFolder(const QString &Path) {
    if (platform::holdsControlCharacter(Path))
        return {FolderVerdict::Unnamable};
    const QString directory = buildDirectory(Path);
    // Checked before any level is made: a path too long would leave a trail
    // of empty folders behind.
    if (!platform::pathFitsSystem(directory + scriptFileName(platform::scriptKind())))
        return {FolderVerdict::TooLong, directory};
    // Nothing is made inside a folder that others could change.
    const QString existing = deepestExistingLevel(directory);
    if (existing != QDir::cleanPath(directory)) {
        const platform::FolderCheck above =
            platform::checkFolderSafety(existing, platform::FolderRole::Above);
        if (above.safety != platform::FolderSafety::Safe)
            return {verdictOf(above.safety), directory, above.folder};
    }
    const QChar sep = platform::separator();
    CreateNewDirectory(Path + sep + QStringLiteral("ClassFiles") + sep);
    if (!QFileInfo(directory).isDir())
        return {FolderVerdict::NotMade, directory, directory.chopped(1)};
    const platform::FolderCheck safety = platform::checkFolderSafety(directory);
    return {verdictOf(safety.safety), directory, safety.folder};
}

} // namespace qm::build
