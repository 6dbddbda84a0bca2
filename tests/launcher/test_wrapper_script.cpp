// The wrapper that reports a console script's start and end, run for real
// with /bin/sh against the launcher's pipe, and the rules that decide when a
// run is over.
#include "launcher/end_pipe.h"
#include "launcher/wrapper_script.h"
#include "platform/shell_quote.h"
#include "test_files.h"
#include "wait_for.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <unistd.h>

using namespace qm;
using qm::detail::EndPipe;

Q_DECLARE_METATYPE(qm::RunObservation)

namespace {

void writeFile(const QString &path, const QByteArray &text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// One wrapper run against the launcher's end of the pipe.
struct WrapperRun {
    QTemporaryDir run;
    EndPipe pipe{run.filePath(kEndPipeName)};
    QProcess wrapper;
    QByteArray received;
    bool closed = false;
    pid_t pid = 0;

    // `ownSession`: as under a terminal, where the wrapper leads a session.
    void start(const QString &script, bool ownSession = true) {
        QVERIFY(pipe.isValid());
        writeFile(run.filePath("run.sh"), wrapperScript(run.path(), "/bin/bash", script).toUtf8());
        if (ownSession)
            wrapper.setChildProcessModifier([] { ::setsid(); });
        wrapper.start("/bin/sh", {run.filePath("run.sh")});
        QVERIFY(wrapper.waitForStarted(5000));
        pid = static_cast<pid_t>(wrapper.processId());
    }

    WrapperReport report() {
        const WrapperReport got = parseWrapperReport(received);
        if (got.isValid())
            pipe.dropOwnWriter();
        return got;
    }

    // Reads until the report has arrived, then until the pipe closes or
    // `ms` have passed; true when it closed.
    bool waitClosed(int ms) {
        return qm::testing::waitFor(
            [&] {
                const bool drained = pipe.drain(received);
                closed = report().isValid() && drained;
                return closed;
            },
            std::chrono::milliseconds(ms));
    }
};

} // namespace

class TestWrapperScript : public QObject {
    Q_OBJECT

private slots:
    void quotingSurvivesTheShell_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "/home/a/ClassFiles/Tamsorley.sh";
        QTest::newRow("space") << "/home/a b/x.sh";
        QTest::newRow("single quote") << "/home/o'brien/x.sh";
        QTest::newRow("expansions") << "/tmp/$(touch x)`id`$HOME/*.sh";
        QTest::newRow("chinese") << "/home/用户/源程序/x.sh";
        QTest::newRow("empty") << "";
    }

    void quotingSurvivesTheShell() {
        QFETCH(QString, text);
        QProcess shell;
        shell.start("/bin/sh", {"-c", "printf %s " + shellQuote(text)});
        QVERIFY(shell.waitForFinished(5000));
        QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), text);
    }

    void wrapperRunsHostileScriptPath() {
        QTemporaryDir work;
        const QString scriptDir = work.filePath("it's $(touch pwned) dir");
        QVERIFY(QDir().mkpath(scriptDir));
        const QString script = scriptDir + "/Tamsorley.sh";
        writeFile(script, "echo ran > \"$(dirname \"$0\")/ran\"\nexit 3\n");
        WrapperRun w;
        w.wrapper.setWorkingDirectory(work.path());
        w.start(script);
        QVERIFY(w.waitClosed(5000));
        QCOMPARE(w.report().pid, qint64(w.pid));
        QCOMPARE(w.report().parent, qint64(::getpid()));
        QVERIFY(QFile::exists(scriptDir + "/ran"));
        QVERIFY(!QFile::exists(work.filePath("pwned")));
    }

    // However the console goes away, the wrapper ends at once (not when the
    // script would have) and the pipe tells the launcher.
    void pipeClosesWhenTheConsoleGoes_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("wholeGroup");
        QTest::newRow("pty gone: the kernel hangs up the session leader") << int(SIGHUP) << false;
        QTest::newRow("terminal hangs up the group") << int(SIGHUP) << true;
        QTest::newRow("terminated") << int(SIGTERM) << true;
        QTest::newRow("wrapper killed outright") << int(SIGKILL) << false;
    }

    void pipeClosesWhenTheConsoleGoes() {
        QFETCH(int, signal);
        QFETCH(bool, wholeGroup);
        QTemporaryDir work;
        const QString script = work.filePath("slow.sh");
        writeFile(script, "sleep 30\n");
        WrapperRun w;
        w.start(script);
        QTRY_VERIFY_WITH_TIMEOUT((w.pipe.drain(w.received), w.report().isValid()), 5000);
        QVERIFY(!w.pipe.drain(w.received));
        const pid_t pid = w.pid;
        QCOMPARE(::kill(wholeGroup ? -pid : pid, signal), 0);
        QVERIFY(w.waitClosed(5000));
        // The event loop may have seen it end already, when waitForFinished() says false.
        QTRY_COMPARE_WITH_TIMEOUT(w.wrapper.state(), QProcess::NotRunning, 1000);
        if (!wholeGroup)
            ::kill(-pid, SIGKILL); // the launcher ends the rest; here the test does
    }

    void leftoverDoesNotHoldThePipe() {
        QTemporaryDir work;
        const QString script = work.filePath("leaves.sh");
        writeFile(script, "sleep 30 &\necho $! > '" + work.filePath("child").toUtf8() + "'\n");
        WrapperRun w;
        w.start(script);
        QVERIFY(w.waitClosed(5000));
        const pid_t child = qm::testing::fileBytes(work.filePath("child")).trimmed().toInt();
        QVERIFY(child > 0);
        QCOMPARE(::kill(child, 0), 0); // still running, yet the end was seen
        ::kill(child, SIGKILL);
    }

    void interruptIsLeftToTheScript() {
        // Ctrl+C signals the console's whole group; a script that carries on
        // after it keeps its console, and the program under it gets the signal.
        QTemporaryDir work;
        const QString after = work.filePath("after");
        const QString script = work.filePath("ctrlc.sh");
        const QString trapped = work.filePath("trapped");
        writeFile(script, "trap : INT\ntouch '" + trapped.toUtf8() +
                              "'\nsleep 30\necho carried on > '" + after.toUtf8() + "'\n");
        WrapperRun w;
        w.start(script);
        QTRY_VERIFY_WITH_TIMEOUT((w.pipe.drain(w.received), w.report().isValid()), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(trapped), 5000);
        QCOMPARE(::kill(-w.pid, SIGINT), 0);
        QVERIFY(w.waitClosed(5000));
        QVERIFY(QFile::exists(after));
    }

    void report_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<qint64>("parent");
        QTest::newRow("written") << QByteArray("4242 17\n") << qint64(4242) << qint64(17);
        QTest::newRow("followed by more") << QByteArray("4242 17\nx") << qint64(4242) << qint64(17);
        QTest::newRow("half written") << QByteArray("4242 1") << qint64(0) << qint64(0);
        QTest::newRow("empty") << QByteArray() << qint64(0) << qint64(0);
        QTest::newRow("garbage") << QByteArray("abc def\n") << qint64(0) << qint64(0);
        QTest::newRow("pid only") << QByteArray("4242\n") << qint64(0) << qint64(0);
        QTest::newRow("negative") << QByteArray("-1 3\n") << qint64(0) << qint64(0);
    }

    void report() {
        QFETCH(QByteArray, content);
        QFETCH(qint64, pid);
        QFETCH(qint64, parent);
        const WrapperReport got = parseWrapperReport(content);
        QCOMPARE(got.pid, pid);
        QCOMPARE(got.parent, parent);
        QCOMPARE(got.isValid(), pid > 0);
    }

    void judge_data() {
        QTest::addColumn<RunObservation>("seen");
        QTest::addColumn<int>("state");
        const auto seen = [](bool reported, bool ended, bool exited, bool failed, bool parent,
                             qint64 ms) {
            return RunObservation{reported, ended, exited, failed, parent, ms};
        };
        const int running = int(RunState::Running);
        const int ended = int(RunState::Ended);
        const int never = int(RunState::NeverStarted);
        QTest::newRow("starting") << seen(false, false, false, false, false, 0) << running;
        QTest::newRow("script running, server terminal gone")
            << seen(true, false, true, false, false, 60000) << running;
        QTest::newRow("pipe closed") << seen(true, true, false, false, false, 0) << ended;
        QTest::newRow("terminal that ran the wrapper died")
            << seen(true, false, true, true, true, 0) << ended;
        QTest::newRow("terminal that ran the wrapper handed it on and left")
            << seen(true, false, true, false, true, 0) << running;
        QTest::newRow("a failed terminal that was not the wrapper's parent")
            << seen(true, false, true, true, false, 0) << running;
        QTest::newRow("server still opening window")
            << seen(false, false, true, false, false, kReportGraceMs - 1) << running;
        QTest::newRow("no report long after terminal left")
            << seen(false, false, true, false, false, kReportGraceMs) << never;
        QTest::newRow("terminal failed: short grace")
            << seen(false, false, true, true, false, kReportGraceAfterFailureMs) << never;
    }

    void judge() {
        QFETCH(RunObservation, seen);
        QFETCH(int, state);
        QCOMPARE(int(judgeRun(seen)), state);
    }
};

QTEST_GUILESS_MAIN(TestWrapperScript)
#include "test_wrapper_script.moc"
