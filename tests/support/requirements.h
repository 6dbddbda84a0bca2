#pragma once
// What a test needs of the machine: tools on the search path, an X display,
// root. A test whose need is not met stops: it is skipped on a developer's
// machine and fails where the environment variable CI is set, so a CI machine
// that has lost a tool never reports a pass.

#include <QString>
#include <QStringList>

namespace qm::testing {

// "" when every tool is on the search path, else which one is not.
QString missingTools(const QStringList &tools);
// "" when an X display is set.
QString missingDisplay();
// What a real console run needs: the JDK, xterm, xdotool and a display.
QString missingForConsole();

// Skips, or fails under CI, with `missing` as the reason.
void stopForMissing(const QString &missing, const char *file, int line);

} // namespace qm::testing

// Stops the test function when `missing` (a reason, "" when nothing is) is
// not empty. A macro, as QSKIP and QFAIL are: the test function must return.
#define QM_REQUIRE(missing)                                                                        \
    do {                                                                                           \
        const QString qmMissing = (missing);                                                       \
        if (!qmMissing.isEmpty()) {                                                                \
            ::qm::testing::stopForMissing(qmMissing, __FILE__, __LINE__);                          \
            return;                                                                                \
        }                                                                                          \
    } while (false)

// The same for a need the helpers above do not name: `met` says whether it is.
#define QM_REQUIRE_THAT(met, what)                                                                 \
    QM_REQUIRE((met) ? QString() : QStringLiteral("needs ") + QStringLiteral(what))
