// ShellAndWait without a display: style 0 runs the script bare, style 1 runs
// it through a fake terminal that hands the command to the background and
// exits at once, as terminals with a server process do.
#include "environment_guard.h"
#include "fake_terminal.h"
#include "launcher/shell_and_wait.h"
#include "launcher/terminal.h"
#include "process_cpu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

using namespace qm;
using qm::testing::processCpuSeconds;

namespace {

// Counts the timer events the program's event loop delivers while it lives.
class TimerEventCount : public QObject {
public:
    TimerEventCount() { QCoreApplication::instance()->installEventFilter(this); }
    ~TimerEventCount() override { QCoreApplication::instance()->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Timer)
            ++count;
        return false;
    }
};

} // namespace

class TestShellAndWait : public QObject {
    Q_OBJECT

private:
    qm::testing::FakeTerminalDir work;

    QString path(const QString &name) const { return work.path(name); }
    QString writeScript(const QString &name, const QByteArray &body) {
        return work.writeScript(name, body);
    }
    void useTerminal(const QByteArray &body) { work.useTerminal(body); }

private slots:
    void init() { useTerminal(qm::testing::kHandOffTerminal); }

    void missingScriptFailsAtOnce_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("style");
        const QString missing = path("no-such.sh");
        QTest::newRow("missing, hidden") << missing << 0;
        QTest::newRow("missing, console") << missing << 1;
        QTest::newRow("empty") << QString() << 1;
        QTest::newRow("a directory") << path(".") << 0;
    }

    void missingScriptFailsAtOnce() {
        QFETCH(QString, script);
        QFETCH(int, style);
        QElapsedTimer clock;
        clock.start();
        LaunchFailure why = LaunchFailure::None;
        QVERIFY(!ShellAndWait(script, style, 0, &why));
        QCOMPARE(why, LaunchFailure::NotStarted);
        QVERIFY(clock.elapsed() < 500);
    }

    void quickScriptSucceeds_data() {
        QTest::addColumn<int>("style");
        QTest::newRow("hidden") << 0;
        QTest::newRow("console") << 1;
    }

    void quickScriptSucceeds() {
        QFETCH(int, style);
        const QString ran = path("ran");
        QFile::remove(ran);
        const QString script = writeScript("quick.sh", "touch '" + ran.toUtf8() + "'");
        LaunchFailure why = LaunchFailure::NotStarted;
        QVERIFY(ShellAndWait(script, style, 0, &why));
        QCOMPARE(why, LaunchFailure::None);
        QVERIFY(QFile::exists(ran));
    }

    void waitServicesTimers_data() { quickScriptSucceeds_data(); }

    void waitServicesTimers() {
        QFETCH(int, style);
        const QString finished = path("finished");
        QFile::remove(finished);
        const QString script =
            writeScript("slow.sh", "sleep 0.6; touch '" + finished.toUtf8() + "'");
        bool firedWhileRunning = false;
        QObject scope; // a timer left over from a failed wait must not outlive this test
        QTimer::singleShot(150, &scope, [&] { firedWhileRunning = !QFile::exists(finished); });
        QVERIFY(ShellAndWait(script, style, 0));
        QVERIFY(firedWhileRunning);
        QVERIFY(QFile::exists(finished));
    }

    void nestedCallReturnsFirst_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QByteArray>("outerSleep");
        QTest::addColumn<QByteArray>("innerSleep");
        QTest::newRow("inner ends first") << 1 << QByteArray("1") << QByteArray("0.2");
        QTest::newRow("outer script ends first, hidden")
            << 0 << QByteArray("0.2") << QByteArray("0.8");
        QTest::newRow("outer script ends first, console")
            << 1 << QByteArray("0.2") << QByteArray("0.8");
    }

    void nestedCallReturnsFirst() {
        QFETCH(int, style);
        QFETCH(QByteArray, outerSleep);
        QFETCH(QByteArray, innerSleep);
        const QString outer = writeScript("outer.sh", "sleep " + outerSleep);
        const QString inner = writeScript("inner.sh", "sleep " + innerSleep);
        QStringList order;
        QObject scope;
        QTimer::singleShot(50, &scope, [&] {
            order << "inner start";
            QVERIFY(ShellAndWait(inner, style, 0));
            order << "inner end";
        });
        QVERIFY(ShellAndWait(outer, style, 0));
        order << "outer end";
        QCOMPARE(order, (QStringList{"inner start", "inner end", "outer end"}));
    }

    void waitingCostsNoProcessor_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("waitSlice");
        QTest::newRow("hidden, launcher's slice") << 0 << 0;
        QTest::newRow("console, launcher's slice") << 1 << 0;
        QTest::newRow("console, 1 ms asked") << 1 << 1;
    }

    void waitingCostsNoProcessor() {
        QFETCH(int, style);
        QFETCH(int, waitSlice);
        const QString finished = path("finished");
        QFile::remove(finished);
        const QString script =
            writeScript("second.sh", "sleep 1; touch '" + finished.toUtf8() + "'");
        QElapsedTimer clock;
        clock.start();
        const double before = processCpuSeconds();
        QVERIFY(ShellAndWait(script, style, waitSlice));
        const double used = processCpuSeconds() - before;
        // A terminal that left at once must not end the wait: the script has.
        QVERIFY(QFile::exists(finished));
        QVERIFY(clock.elapsed() >= 950);
        QVERIFY2(used < 0.25, qPrintable(QString::number(used) + " s of processor time"));
    }

    // The end wakes the wait: no timer fires meanwhile, so nothing is polled.
    void endIsSeenWithoutATimer_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QByteArray>("terminal");
        QTest::newRow("hidden") << 0 << QByteArray();
        QTest::newRow("console, terminal hands off") << 1 << qm::testing::kHandOffTerminal;
        QTest::newRow("console, terminal stays the parent") << 1 << qm::testing::kParentTerminal;
    }

    void endIsSeenWithoutATimer() {
        QFETCH(int, style);
        QFETCH(QByteArray, terminal);
        if (!terminal.isEmpty())
            useTerminal(terminal);
        qm::testing::EnvironmentGuard env;
        env.set("QM_TERMINAL_PID", path("terminal-pid"));
        const QString finished = path("finished");
        QFile::remove(finished);
        const QString script =
            writeScript("timeless.sh", "sleep 0.5; touch '" + finished.toUtf8() + "'");
        TimerEventCount timers;
        QVERIFY(ShellAndWait(script, style, 0));
        QVERIFY(QFile::exists(finished));
        QCOMPARE(timers.count, 0);
    }

    void killedWrapperEndsWait() {
        // The kernel closes a killed wrapper's pipe: that alone ends the wait.
        const QString script = writeScript("orphan.sh", "kill -9 $PPID; sleep 0.2");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(ShellAndWait(script, 1, 0));
        QVERIFY(clock.elapsed() < 5000);
    }

    void terminalThatNeverRunsScriptFails() {
        useTerminal("echo cannot open display >&2; exit 1");
        const QString ran = path("ran");
        QFile::remove(ran);
        const QString script = writeScript("never.sh", "touch '" + ran.toUtf8() + "'");
        LaunchFailure why = LaunchFailure::None;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!ShellAndWait(script, 1, 0, &why));
        QCOMPARE(why, LaunchFailure::NotStarted);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!QFile::exists(ran));
    }

    void noTerminalFound() {
        QFile::remove(terminalConfPath());
        qm::testing::EnvironmentGuard env;
        env.set("PATH", path("empty-bin"));
        const QString script = writeScript("any.sh", "true");
        LaunchFailure console = LaunchFailure::None;
        const bool consoleRan = ShellAndWait(script, 1, 0, &console);
        const bool hiddenRan = ShellAndWait(script, 0, 0);
        QVERIFY(!consoleRan);
        QCOMPARE(console, LaunchFailure::NoTerminal);
        QVERIFY(hiddenRan);
    }
    // Last: once the application has been told to quit, event loops stay off.
    void quittingApplicationStillWaits() {
        const QString finished = path("finished");
        QFile::remove(finished);
        const QString script =
            writeScript("late.sh", "sleep 0.6; touch '" + finished.toUtf8() + "'");
        QObject scope;
        QTimer::singleShot(100, &scope, [] { QCoreApplication::exit(0); });
        const double before = processCpuSeconds();
        QVERIFY(ShellAndWait(script, 1, 0));
        QVERIFY(QFile::exists(finished));
        QVERIFY(processCpuSeconds() - before < 0.25);
    }
};

QTEST_GUILESS_MAIN(TestShellAndWait)
#include "test_shell_and_wait.moc"
