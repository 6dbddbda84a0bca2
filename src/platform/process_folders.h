#pragma once
// Folders a run of the program keeps for a while in a shared place (the
// runtime or temporary folder): a build's run folder, the warm javac's. Each
// is named after the process that made it, so that a later start can clear
// what a killed run left behind.

#include <QString>
#include <QStringList>

namespace qm::platform {

// A QTemporaryDir template for this process: base/<prefix><pid>-XXXXXX.
QString processFolderTemplate(const QString &base, const QString &prefix);

// The folders of `base` named from processFolderTemplate with `prefix` that
// belong to this user and whose process has ended.
QStringList foldersOfEndedProcesses(const QString &base, const QString &prefix);

// Whether no process `pid` runs any more; another user's process counts as
// running.
bool processHasEnded(qint64 pid);

// Whether some process holds the named pipe at `path` open for writing.
// Always false on Windows, which has no such pipes.
bool pipeHasWriter(const QString &path);

// The shared place for private folders: XDG_RUNTIME_DIR when there is one
// (only this user may enter it), else the temporary folder.
QString runtimeDirectory();

} // namespace qm::platform
