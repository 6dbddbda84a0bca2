#pragma once
// Reading a file the user named without ever waiting on it: a named pipe
// would hold the program in open() until someone wrote to it, and a device
// such as /dev/zero never ends. Only regular files are read.

#include <QByteArray>
#include <QString>
#include <optional>

namespace qm::platform {

// The size of the regular file at `path`, links followed; -1 when there is
// none there (missing, a folder, a pipe, a device, a socket).
qint64 regularFileSize(const QString &path);

// The whole content of the regular file at `path`; nothing when it cannot be
// read whole or is no regular file. The file opened is what is checked, so
// nothing else can be put in its place between the check and the read.
std::optional<QByteArray> readRegularFile(const QString &path);

} // namespace qm::platform
