// What the tests lean on: the environment guard puts back exactly what was
// there, stand-in programs run, waiting keeps the event loop going, and a
// missing tool never lets a test pass under CI, in C++ or in the shell tests.
#include "environment_guard.h"
#include "requirements.h"
#include "test_files.h"
#include "wait_for.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <optional>

using namespace qm::testing;
using namespace std::chrono_literals;

namespace {

constexpr const char *kVariable = "QM_GUARDED_FOR_TEST";
// Set in the child that plays a test whose tool is missing.
constexpr const char *kProbe = "QM_MISSING_TOOL_PROBE";

std::optional<QByteArray> current(const char *name) {
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QByteArray>)

// A test that needs a tool no machine has, run in a child process.
class MissingToolProbe : public QObject {
    Q_OBJECT

private slots:
    void needsAMissingTool() {
        QM_REQUIRE(missingTools({"qm-no-such-tool"}));
        QFAIL("went on without its tool");
    }
};

class TestSupport : public QObject {
    Q_OBJECT

private slots:
    void guardPutsBackWhatWasThere_data() {
        QTest::addColumn<std::optional<QByteArray>>("before");
        QTest::newRow("set") << std::optional<QByteArray>("old value");
        QTest::newRow("set but empty") << std::optional<QByteArray>("");
        QTest::newRow("unset") << std::optional<QByteArray>();
    }

    void guardPutsBackWhatWasThere() {
        QFETCH(std::optional<QByteArray>, before);
        before ? qputenv(kVariable, *before) : qunsetenv(kVariable);
        {
            EnvironmentGuard outer;
            outer.set(kVariable, "first").unset(kVariable).set(kVariable, "second");
            {
                EnvironmentGuard inner;
                inner.unset(kVariable);
                QCOMPARE(current(kVariable), std::optional<QByteArray>());
            }
            QCOMPARE(current(kVariable), std::optional<QByteArray>("second"));
        }
        QCOMPARE(current(kVariable), before);
        qunsetenv(kVariable);
    }

    void pathGetsTheDirectoryFirst() {
        const QByteArray path = qgetenv("PATH");
        {
            EnvironmentGuard env;
            env.prependPath("/opt/stand-ins");
            QCOMPARE(qgetenv("PATH"), "/opt/stand-ins:" + path);
        }
        QCOMPARE(qgetenv("PATH"), path);
    }

    void standInRunsAndOnlyItsOwnerMayTouchIt() {
        QTemporaryDir dir;
        const QString program = dir.filePath("bin/javac");
        QVERIFY(writeExecutable(program, "echo \"stand-in $1\"\nexit 3"));
        QVERIFY(std::filesystem::status(QFile::encodeName(program).toStdString()).permissions() ==
                std::filesystem::perms::owner_all);
        QProcess run;
        run.start(program, {"Hello.java"});
        QVERIFY(run.waitForFinished(5000));
        QCOMPARE(run.readAllStandardOutput(), "stand-in Hello.java\n");
        QCOMPARE(run.exitCode(), 3);
    }

    void waitingKeepsTheEventLoopGoing() {
        bool fired = false;
        QTimer::singleShot(50ms, this, [&] { fired = true; });
        QVERIFY(waitFor([&] { return fired; }, 5s));
    }

    void waitingEndsAtTheTimeout() {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waitFor([] { return false; }, 200ms));
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    // A skip passes; under CI the run must fail.
    void missingToolNeverPassesUnderCi_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<bool>("ci");
        QTest::addColumn<QString>("verdict");
        const QStringList self{QCoreApplication::applicationFilePath()};
        const QStringList shell{"/bin/bash", "-c",
                                "bin=/bin/true; needs=qm-no-such-tool; source '" +
                                    QStringLiteral(QM_SUPPORT_DIR "/program_session.sh") +
                                    "'; exit 2"};
        QTest::newRow("C++, a developer's machine: skipped")
            << self << false << "SKIP   : MissingToolProbe";
        QTest::newRow("C++, CI: failed") << self << true << "FAIL!  : MissingToolProbe";
        QTest::newRow("shell, a developer's machine: skipped")
            << shell << false << "SKIP: qm-no-such-tool";
        QTest::newRow("shell, CI: failed") << shell << true << "FAIL: qm-no-such-tool";
    }

    void missingToolNeverPassesUnderCi() {
        QFETCH(QStringList, command);
        QFETCH(bool, ci);
        QFETCH(QString, verdict);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kProbe, "1");
        ci ? env.insert("CI", "true") : env.remove("CI");
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(command.first(), command.mid(1));
        QVERIFY(child.waitForFinished(10000));
        const QString output = QString::fromUtf8(child.readAll());
        QCOMPARE(child.exitCode(), ci ? 1 : 0);
        QVERIFY2(output.contains(verdict), qPrintable(output));
    }
};

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kProbe)) {
        MissingToolProbe probe;
        return QTest::qExec(&probe, argc, argv);
    }
    TestSupport test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_support.moc"
