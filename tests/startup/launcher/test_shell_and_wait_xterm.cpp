// End to end with the real xterm under Xvfb: the script waits for a key in
// its console window; the test answers it, or closes the window instead.
#include "startup/launcher/shell_and_wait.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <signal.h>

using namespace qm;

namespace {

constexpr int kLookMs = 200;
constexpr int kGiveUpMs = 20000;

// Runs xdotool for at most a few seconds; its standard output, or empty.
QByteArray xdotool(const QStringList &arguments, bool *ok = nullptr) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    const bool done = tool.waitForFinished(3000);
    if (!done)
        tool.kill();
    if (ok)
        *ok = done && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    tool.waitForFinished(1000);
    return tool.readAllStandardOutput().trimmed();
}

} // namespace

class TestShellAndWaitXterm : public QObject {
    Q_OBJECT

public:
    TestShellAndWaitXterm() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }

private:
    QTemporaryDir config;
    QTemporaryDir work;

private slots:
    void initTestCase() {
        const QString xterm = QStandardPaths::findExecutable(QStringLiteral("xterm"));
        if (xterm.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xterm and xdotool");
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (run under xvfb-run)");
        // The alternative comes first in the search; point it at xterm so the
        // test does not depend on the terminal this machine prefers.
        const QString bin = work.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QFile::link(xterm, bin + QStringLiteral("/x-terminal-emulator")));
        qputenv("PATH", bin.toUtf8() + ':' + qgetenv("PATH"));
    }

    void consoleWindow_data() {
        QTest::addColumn<bool>("pressKey");
        QTest::newRow("key pressed") << true;
        QTest::newRow("window closed") << false;
    }

    void consoleWindow() {
        QFETCH(bool, pressKey);
        const QString title =
            pressKey ? QStringLiteral("qm-e2e-key") : QStringLiteral("qm-e2e-close");
        const QString started = work.filePath(title + QStringLiteral(".pid"));
        const QString got = work.filePath(title + QStringLiteral(".key"));
        const QString script = work.filePath(title + QStringLiteral(".sh"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("echo $$ > '%1'\nread -r -n1 key\nprintf %s \"$key\" > '%2'\n")
                       .arg(started, got)
                       .toUtf8());
        file.close();

        bool acted = false;
        QByteArray windowName;
        bool gaveUp = false;
        QElapsedTimer clock;
        clock.start();
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            if (clock.elapsed() > kGiveUpMs && !gaveUp) {
                gaveUp = true; // end the script ourselves so the call cannot hang
                QFile pidFile(started);
                if (pidFile.open(QIODevice::ReadOnly))
                    ::kill(pidFile.readAll().trimmed().toInt(), SIGKILL);
            }
            if (!QFile::exists(started) || (acted && !pressKey))
                return;
            const QByteArray window = xdotool({"search", "--name", title}).split('\n').value(0);
            if (window.isEmpty())
                return;
            windowName = xdotool({"getwindowname", window});
            bool ok = false;
            if (pressKey) {
                xdotool({"windowfocus", window}, &ok);
                xdotool({"key", "x"}, &ok);
            } else {
                xdotool({"windowkill", window}, &ok);
            }
            acted = acted || ok;
        });
        driver.start(kLookMs);

        LaunchFailure why = LaunchFailure::NotStarted;
        const bool ran = ShellAndWait(script, 1, 0, &why);
        driver.stop();
        QVERIFY(ran);
        QCOMPARE(why, LaunchFailure::None);
        QVERIFY(QFile::exists(started));
        QVERIFY(acted);
        QCOMPARE(QString::fromUtf8(windowName), title + QStringLiteral(".sh"));
        QVERIFY(!gaveUp);
        QFile answer(got);
        if (pressKey) {
            QVERIFY(answer.open(QIODevice::ReadOnly));
            QCOMPARE(answer.readAll(), QByteArray("x"));
        } else if (answer.open(QIODevice::ReadOnly)) {
            QCOMPARE(answer.readAll(), QByteArray()); // the hang-up ended the read
        }
    }
};

QTEST_GUILESS_MAIN(TestShellAndWaitXterm)
#include "test_shell_and_wait_xterm.moc"
