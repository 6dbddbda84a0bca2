// The wrapper that reports a console script's start and end, run for real
// with /bin/sh, and the rules that decide when a run is over.
#include "startup/launcher/wrapper_script.h"
#include "startup/platform/shell_quote.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <unistd.h>

using namespace qm;

Q_DECLARE_METATYPE(qm::RunObservation)

class TestWrapperScript : public QObject {
    Q_OBJECT

private:
    static void writeFile(const QString &path, const QByteArray &text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

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
        QTemporaryDir run;
        const QString scriptDir = work.filePath("it's $(touch pwned) dir");
        QVERIFY(QDir().mkpath(scriptDir));
        const QString script = scriptDir + "/Tamsorley.sh";
        writeFile(script, "echo ran > \"$(dirname \"$0\")/ran\"\nexit 3\n");
        writeFile(run.filePath("run.sh"), wrapperScript(run.path(), "/bin/bash", script).toUtf8());

        QProcess wrapper;
        wrapper.setWorkingDirectory(work.path());
        wrapper.start("/bin/sh", {run.filePath("run.sh")});
        QVERIFY(wrapper.waitForStarted(5000));
        const qint64 pid = wrapper.processId();
        QVERIFY(wrapper.waitForFinished(5000));
        QVERIFY(QFile::exists(scriptDir + "/ran"));
        QVERIFY(!QFile::exists(work.filePath("pwned")));
        QVERIFY(QFile::exists(run.filePath(kDoneFileName)));
        QFile pidFile(run.filePath(kPidFileName));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        QCOMPARE(parsePid(pidFile.readAll()), pid);
    }

    void doneMarkerOnHangUp_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("window closed (HUP)") << int(SIGHUP);
        QTest::newRow("terminated") << int(SIGTERM);
    }

    void doneMarkerOnHangUp() {
        QFETCH(int, signal);
        QTemporaryDir run;
        const QString script = run.filePath("slow.sh");
        writeFile(script, "sleep 30\n");
        writeFile(run.filePath("run.sh"), wrapperScript(run.path(), "/bin/sh", script).toUtf8());

        // In a session of its own, as under a terminal, so the group can be signalled.
        QProcess wrapper;
        wrapper.setChildProcessModifier([] { ::setsid(); });
        wrapper.start("/bin/sh", {run.filePath("run.sh")});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(run.filePath(kPidFileName)), 5000);
        QVERIFY(!QFile::exists(run.filePath(kDoneFileName)));
        // A terminal signals the whole group: the shell and the script alike.
        QCOMPARE(::kill(-static_cast<pid_t>(wrapper.processId()), signal), 0);
        QVERIFY(wrapper.waitForFinished(5000));
        QVERIFY(QFile::exists(run.filePath(kDoneFileName)));
    }

    void pid_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("pid");
        QTest::newRow("written") << QByteArray("4242\n") << qint64(4242);
        QTest::newRow("half written") << QByteArray("42") << qint64(0);
        QTest::newRow("empty") << QByteArray() << qint64(0);
        QTest::newRow("garbage") << QByteArray("abc\n") << qint64(0);
        QTest::newRow("negative") << QByteArray("-1\n") << qint64(0);
    }

    void pid() {
        QFETCH(QByteArray, content);
        QFETCH(qint64, pid);
        QCOMPARE(parsePid(content), pid);
    }

    void judge_data() {
        QTest::addColumn<RunObservation>("seen");
        QTest::addColumn<int>("state");
        const auto seen = [](bool done, qint64 pid, bool alive, bool exited, bool failed,
                             qint64 ms) {
            return RunObservation{done, pid, alive, exited, failed, ms};
        };
        const int running = int(RunState::Running);
        const int ended = int(RunState::Ended);
        const int never = int(RunState::NeverStarted);
        QTest::newRow("starting") << seen(false, 0, false, false, false, 0) << running;
        QTest::newRow("script running") << seen(false, 7, true, true, false, 60000) << running;
        QTest::newRow("done marker") << seen(true, 7, true, false, false, 0) << ended;
        QTest::newRow("pid gone without marker") << seen(false, 7, false, false, false, 0) << ended;
        QTest::newRow("server still opening window")
            << seen(false, 0, false, true, false, kPidGraceMs - 1) << running;
        QTest::newRow("no pid long after terminal left")
            << seen(false, 0, false, true, false, kPidGraceMs) << never;
        QTest::newRow("terminal failed: short grace")
            << seen(false, 0, false, true, true, kPidGraceAfterFailureMs) << never;
    }

    void judge() {
        QFETCH(RunObservation, seen);
        QFETCH(int, state);
        QCOMPARE(int(judgeRun(seen)), state);
    }
};

QTEST_GUILESS_MAIN(TestWrapperScript)
#include "test_wrapper_script.moc"
