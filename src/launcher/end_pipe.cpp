#include "launcher/end_pipe.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm::detail {

namespace {

constexpr qsizetype kKeptBytes = 4096;

} // namespace

EndPipe::EndPipe(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), S_IRUSR | S_IWUSR) != 0)
        return;
    // Neither end may leak into the terminals this or a nested build starts.
    readEnd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (readEnd < 0)
        return;
    ownWriter = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (ownWriter < 0) {
        ::close(readEnd);
        readEnd = -1;
    }
}

EndPipe::~EndPipe() {
    dropOwnWriter();
    if (readEnd >= 0)
        ::close(readEnd);
}

bool EndPipe::drain(QByteArray &received) {
    if (readEnd < 0)
        return true;
    char buffer[256];
    for (;;) {
        const ssize_t got = ::read(readEnd, buffer, sizeof buffer);
        if (got > 0) {
            // Only the first line matters; a runaway writer cannot grow this.
            if (received.size() < kKeptBytes)
                received.append(buffer, got);
            continue;
        }
        if (got == 0)
            return true;
        if (errno == EINTR)
            continue;
        // EAGAIN: a writer is still there. Anything else cannot be waited on.
        return errno != EAGAIN;
    }
}

void EndPipe::dropOwnWriter() {
    if (ownWriter < 0)
        return;
    ::close(ownWriter);
    ownWriter = -1;
}

} // namespace qm::detail
