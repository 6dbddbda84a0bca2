// However a console ends, nothing its script started is left running when
// ShellAndWait returns. Stand-in terminals give the wrapper a session of its
// own, as real ones do; the test plays the kernel's hang-up, a killed wrapper
// and a killed terminal.
#include "environment_guard.h"
#include "fake_terminal.h"
#include "launcher/process_group.h"
#include "launcher/shell_and_wait.h"
#include "test_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <signal.h>

using namespace qm;
using qm::testing::fileBytes;

namespace {

// Who is signalled once the script runs.
enum class Target { Nobody, Wrapper, Terminal };

constexpr int kGiveUpMs = 20000;

} // namespace

Q_DECLARE_METATYPE(Target)

class TestConsoleEnd : public QObject {
    Q_OBJECT

private:
    qm::testing::FakeTerminalDir work;

    qint64 pidIn(const QString &name) const {
        return fileBytes(work.path(name)).trimmed().toLongLong();
    }

private slots:
    void nothingOutlivesTheConsole_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("terminal");
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("signal");
        const QByteArray handOff = qm::testing::kSessionHandOffTerminal;
        const QByteArray parent = qm::testing::kParentTerminal;
        // The script says when it is under way: a signal before its trap would
        // test nothing.
        const QByteArray ready = "touch \"${0%/*}/running\"";
        const QByteArray loop = ready + "; sleep 60";
        const QByteArray deaf = "trap '' HUP; " + ready + "; sleep 60";
        QTest::newRow("script ended, a child deaf to hang-ups lingers")
            << "(trap '' HUP; exec sleep 60) & " + ready + "; sleep 0.3" << handOff
            << Target::Nobody << 0;
        QTest::newRow("pty gone: session leader hung up, program loops")
            << loop << handOff << Target::Wrapper << int(SIGHUP);
        QTest::newRow("pty gone, program deaf to hang-ups")
            << deaf << handOff << Target::Wrapper << int(SIGHUP);
        QTest::newRow("wrapper killed outright")
            << deaf << handOff << Target::Wrapper << int(SIGKILL);
        QTest::newRow("terminal killed, no hang-up reaches the script")
            << deaf << parent << Target::Terminal << int(SIGKILL);
        QTest::newRow("terminal crashed") << deaf << parent << Target::Terminal << int(SIGSEGV);
    }

    void nothingOutlivesTheConsole() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, terminal);
        QFETCH(Target, target);
        QFETCH(int, signal);
        work.useTerminal(terminal);
        for (const char *name : {"wrapper", "terminal", "running"})
            QFile::remove(work.path(name));
        qm::testing::EnvironmentGuard env;
        env.set("QM_TERMINAL_PID", work.path("terminal"));
        // The script's parent is the wrapper, which leads the console's session.
        const QString script = work.writeScript(
            "console.sh", "echo $PPID > '" + work.path("wrapper").toUtf8() + "'\n" + body);

        QElapsedTimer sinceSignal;
        QTimer actor;
        connect(&actor, &QTimer::timeout, this, [&] {
            const qint64 pid = pidIn(target == Target::Terminal ? "terminal" : "wrapper");
            if (pid <= 0 || !QFile::exists(work.path("running")) || sinceSignal.isValid())
                return;
            sinceSignal.start();
            if (target != Target::Nobody)
                ::kill(static_cast<pid_t>(pid), signal);
        });
        actor.start(20);
        QTimer giveUp; // a hung wait must fail the test, not hang it
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [&] {
            detail::signalProcesses(detail::processesLedBy(pidIn("wrapper")), SIGKILL);
        });
        giveUp.start(kGiveUpMs);

        QVERIFY(ShellAndWait(script, kNormalWindow, 0));
        const qint64 took = sinceSignal.isValid() ? sinceSignal.elapsed() : -1;
        QVERIFY(giveUp.isActive());
        QVERIFY(took >= 0);
        // Far below the script's own minute: the launcher ended it.
        QVERIFY2(took < 5000, qPrintable(QString::number(took) + " ms"));
        QCOMPARE(detail::processesLedBy(pidIn("wrapper")), QList<qint64>{});
    }

    void unledProcessesAreNotTouched() {
        // A terminal that does not give the wrapper a session of its own:
        // what the script leaves is not told apart from the program's own
        // processes, so it is left alone (and so is this test).
        work.useTerminal(qm::testing::kHandOffTerminal);
        const QString child = work.path("child");
        const QString script =
            work.writeScript("leaves.sh", "sleep 30 &\necho $! > '" + child.toUtf8() + "'");
        QVERIFY(ShellAndWait(script, kNormalWindow, 0));
        const pid_t pid = static_cast<pid_t>(pidIn("child"));
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid, 0), 0);
        ::kill(pid, SIGKILL);
    }
};

QTEST_GUILESS_MAIN(TestConsoleEnd)
#include "test_console_end.moc"
