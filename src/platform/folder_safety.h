#pragma once
// Whether a build may run in a folder: on a shared machine (a lab) another
// user who can write the build folder, or any folder above it, could put
// files there that the build then runs as this user (a class, an annotation
// processor, a script put in place of the program's own).

#include <QString>

namespace qm::platform {

enum class FolderSafety {
    Safe,
    NotOwned,       // the folder, or one above it, belongs to another user
    OthersMayWrite, // the folder, or one above it, may be written by others
};

struct FolderCheck {
    FolderSafety safety = FolderSafety::Safe;
    QString folder; // the folder at fault, "" when safe
};

// What the folder checked is to the build.
enum class FolderRole {
    Build, // builds run in it: it must be this user's and writable by its owner only
    Above, // it holds (or will hold) the build folder: as any folder above that
};

// The folder (an existing one, links resolved) must be as its role asks.
// Every folder above it must belong to this user or to the system, and one
// that others may write must be sticky (as /tmp is), so nobody can rename
// what lies in it. Always safe on Windows.
FolderCheck checkFolderSafety(const QString &folder, FolderRole role = FolderRole::Build);

// Whether the system can name `path` at all: not too long as a whole, and no
// part of it too long.
bool pathFitsSystem(const QString &path);

} // namespace qm::platform
