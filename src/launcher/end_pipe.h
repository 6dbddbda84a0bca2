#pragma once
// The launcher's end of the named pipe a console's wrapper writes to (POSIX).
// Until the wrapper has reported, the launcher holds a writer of its own, so
// the pipe cannot look closed before anyone has opened it.

#include <QByteArray>
#include <QString>

namespace qm::detail {

class EndPipe {
public:
    // Makes the pipe at `path` (owner only) and opens both ends.
    explicit EndPipe(const QString &path);
    ~EndPipe();
    EndPipe(const EndPipe &) = delete;
    EndPipe &operator=(const EndPipe &) = delete;

    bool isValid() const { return readEnd >= 0; }
    int fd() const { return readEnd; }

    // Appends what has arrived to `received`; true once every writer has
    // closed the pipe and all has been read.
    bool drain(QByteArray &received);

    // From now on only the wrapper keeps the pipe open.
    void dropOwnWriter();

private:
    int readEnd = -1;
    int ownWriter = -1;
};

} // namespace qm::detail
