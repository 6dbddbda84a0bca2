#include "build/server_request.h"

#include "platform/shell_quote.h"

namespace qm::build {

// The answer pipe is opened for reading and writing, so opening it never
// waits for the server and a read can time out; so is the request pipe, so
// a request to a server that has just ended never blocks. A request is a
// few NUL-ended fields in one write, which a pipe never interleaves with
// another build's.
QStringList serverRequestLines(const WarmJavac &server) {
    return {
        QStringLiteral("serve_javac() {"),
        QStringLiteral("  local server=") + shellQuote(server.directory) + QStringLiteral(" pid=") +
            QString::number(server.pid),
        QStringLiteral("  local reply=\"$server/reply-$$\" answer status= waited=0"),
        QStringLiteral("  rm -f -- \"$reply\" \"$reply.out\""),
        QStringLiteral("  mkfifo -m 600 -- \"$reply\" 2>/dev/null || return 255"),
        QStringLiteral("  exec {answer}<>\"$reply\""),
        QStringLiteral("  printf '%s\\0' \"$reply\" \"$PWD\" \"$1\" '' 1<>\"$server/requests\""),
        QStringLiteral("  until read -r -t 0.2 -u \"$answer\" status; do"),
        QStringLiteral("    kill -0 \"$pid\" 2>/dev/null && [ $((++waited)) -lt 600 ] || break"),
        QStringLiteral("  done"),
        QStringLiteral("  exec {answer}<&-"),
        QStringLiteral("  rm -f -- \"$reply\""),
        QStringLiteral("  case $status in"),
        QStringLiteral("    [0-9]|[0-9][0-9]) [ -f \"$reply.out\" ] && cat -- \"$reply.out\" || "
                       "status=255 ;;"),
        QStringLiteral("    *) status=255 ;;"),
        QStringLiteral("  esac"),
        QStringLiteral("  rm -f -- \"$reply.out\""),
        QStringLiteral("  return \"$status\""),
        QStringLiteral("}"),
    };
}

} // namespace qm::build
