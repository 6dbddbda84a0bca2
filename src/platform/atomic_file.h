#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// What a write does when `path` is a symbolic link.
enum class AtLink {
    WriteTarget, // the user's own file: the link stays and its target gets the bytes
    Replace,     // a file the program owns: a new file takes the link's place
};

// Replaces the file at `path` with `bytes` in one step: a temporary file in
// the same directory is written, checked and renamed over the old one, so a
// failed or interrupted write leaves the previous file whole.
//
// With AtLink::WriteTarget a read-only file is left as it is and the write
// fails, and where the directory allows no new file but the file itself may
// be written, the file is rewritten in place: that write is not atomic, but
// it is the only way such a file can be saved.
bool writeFileAtomically(const QString &path, const QByteArray &bytes,
                         AtLink atLink = AtLink::WriteTarget);

// Writes `bytes` into the file at `path` in place, creating it when missing,
// and cuts it to their length. With AtLink::Replace a symbolic link at `path`
// is not followed: the write fails.
bool writeFileInPlace(const QString &path, const QByteArray &bytes, AtLink atLink);

// Removes from `folder` the temporary files of the program's atomic writes
// that a killed run left there: this user's, older than a minute (a write
// under way in another run of the program is younger).
void removeStaleTemporaryFiles(const QString &folder);

} // namespace qm
