#pragma once
// The build folder, Path/ClassFiles, made and judged before anything of a
// build is written: a folder the system cannot name is not made at all, and
// one that others could change is not built in.

#include <QString>

namespace qm::build {

enum class FolderVerdict {
    Usable,
    Unnamable,    // Path holds a control character (NUL, a tab...)
    TooLong,      // the system cannot name the build folder or its files
    NotMade,      // it could not be made
    NotOwned,     // it, or a folder above it, belongs to another user
    OpenToOthers, // others may write it, or a folder above it that is not sticky
};

struct BuildFolder {
    FolderVerdict verdict = FolderVerdict::Usable;
    QString directory; // the build directory, "~/" expanded, ending with a separator
    QString atFault;   // the folder at fault, for the message; "" when usable
};

// Makes the build folder of `Path` unless the system cannot name it, then
// judges it.
BuildFolder prepareBuildFolder(const QString &Path);

} // namespace qm::build
