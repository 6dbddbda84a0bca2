// End to end with the real xterm under Xvfb: the script waits for a key in
// its console window; the test answers it, or closes the window instead, and
// looks at how the console draws javac's messages in either locale.
#include "environment_guard.h"
#include "launcher/shell_and_wait.h"
#include "requirements.h"
#include "temporary_home.h"
#include "test_files.h"
#include "xdotool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <locale.h>
#include <signal.h>

using namespace qm;
using qm::testing::runTool;
using qm::testing::xdotool;

namespace {

constexpr int kLookMs = 200;
constexpr int kGiveUpMs = 20000;

// javac's report of a missing semicolon, as it prints it in Chinese.
const QByteArray kJavacError = "Hello.java:3: 错误: 需要';'\n"
                               "        int total = 0\n"
                               "                     ^\n"
                               "1 个错误\n";

bool localeInstalled(const char *name) {
    const locale_t found = newlocale(LC_ALL_MASK, name, nullptr);
    if (found)
        freelocale(found);
    return found != nullptr;
}

} // namespace

class TestShellAndWaitXterm : public QObject {
    Q_OBJECT

private:
    qm::testing::TemporaryHome work;

    // Runs `body` in a console titled `title`; once the script has written
    // its ready marker, `act` gets the console's window. Whatever happens,
    // the script is ended after kGiveUpMs so the call cannot hang.
    void runConsole(const QString &title, const QByteArray &body,
                    const std::function<bool(const QByteArray &window)> &act, bool *gaveUp);

private slots:
    void initTestCase() {
        QM_REQUIRE(qm::testing::missingTools({"xterm", "xdotool"}));
        QM_REQUIRE(qm::testing::missingDisplay());
        const QString xterm = QStandardPaths::findExecutable(QStringLiteral("xterm"));
        // The alternative comes first in the search; point it at xterm so the
        // test does not depend on the terminal this machine prefers.
        const QString bin = work.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QFile::link(xterm, bin + QStringLiteral("/x-terminal-emulator")));
        work.environment().prependPath(bin);
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
        const QString got = work.filePath(title + QStringLiteral(".key"));
        QByteArray windowName;
        bool gaveUp = false;
        runConsole(
            title, "read -r -n1 key\nprintf %s \"$key\" > '" + got.toUtf8() + "'\n",
            [&](const QByteArray &window) {
                windowName = xdotool({"getwindowname", window});
                bool ok = false;
                if (pressKey) {
                    xdotool({"windowfocus", window}, &ok);
                    xdotool({"key", "x"}, &ok);
                } else {
                    xdotool({"windowkill", window}, &ok);
                }
                return ok;
            },
            &gaveUp);
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

    // The caret stands under the right column when ASCII is drawn in the
    // same narrow cells whatever the locale: the Chinese locale's console
    // must look exactly like the C locale's, where that has always held.
    void javacCaretIsDrawnAlikeInEveryLocale() {
        QM_REQUIRE(qm::testing::missingTools({"import"}));
        QTemporaryDir locales;
        const bool generate = !localeInstalled("zh_CN.UTF-8");
        if (generate) {
            bool ok = false;
            // Seconds of work, more on a busy machine: not an X tool's five.
            runTool(QStringLiteral("localedef"),
                    {"-i", "zh_CN", "-f", "UTF-8", locales.filePath("zh_CN.UTF-8")}, &ok,
                    std::chrono::minutes(1));
            QVERIFY2(ok, "localedef could not make zh_CN.UTF-8");
        }
        QMap<QString, QByteArray> shots;
        for (const char *name : {"C.UTF-8", "zh_CN.UTF-8"}) {
            const QString locale = QString::fromLatin1(name);
            const bool chinese = locale.startsWith(QLatin1String("zh"));
            qm::testing::EnvironmentGuard env;
            env.set("LC_ALL", name);
            if (generate && chinese)
                env.set("LOCPATH", locales.path());
            shots[locale] =
                consoleShot(chinese ? QStringLiteral("qm-caret-zh") : QStringLiteral("qm-caret-c"));
        }
        QVERIFY(!shots["C.UTF-8"].isEmpty());
        QVERIFY2(shots["C.UTF-8"] == shots["zh_CN.UTF-8"],
                 "the console draws javac's report differently under zh_CN.UTF-8");
    }

private:
    // The console window's pixels (PPM) once they have stopped changing.
    QByteArray consoleShot(const QString &title) {
        QByteArray shot;
        bool gaveUp = false;
        runConsole(
            title, "cat <<'END'\n" + kJavacError + "END\nread -r -n1 key\n",
            [&](const QByteArray &window) {
                QByteArray previous;
                // Nothing says when xterm has drawn its last pixel: shots
                // 100 ms apart until two agree.
                for (int i = 0; i < 20 && (shot.isEmpty() || shot != previous); ++i) {
                    QTest::qWait(100);
                    previous = shot;
                    shot = runTool(QStringLiteral("import"), {"-window", window, "ppm:-"});
                }
                bool ok = false;
                xdotool({"windowfocus", window}, &ok);
                xdotool({"key", "x"}, &ok);
                return ok;
            },
            &gaveUp);
        if (!qEnvironmentVariableIsEmpty("QM_SHOT_DIR"))
            qm::testing::writeBytes(qEnvironmentVariable("QM_SHOT_DIR") + '/' + title + ".ppm",
                                    shot);
        return gaveUp ? QByteArray() : shot;
    }
};

void TestShellAndWaitXterm::runConsole(const QString &title, const QByteArray &body,
                                       const std::function<bool(const QByteArray &)> &act,
                                       bool *gaveUp) {
    const QString started = work.filePath(title + QStringLiteral(".pid"));
    const QString script = work.filePath(title + QStringLiteral(".sh"));
    QFile::remove(started);
    QVERIFY(qm::testing::writeBytes(script, "echo $$ > '" + started.toUtf8() + "'\n" + body));
    bool acted = false;
    QElapsedTimer clock;
    clock.start();
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
        if (clock.elapsed() > kGiveUpMs && !*gaveUp) {
            *gaveUp = true;
            ::kill(qm::testing::fileBytes(started).trimmed().toInt(), SIGKILL);
        }
        if (acted || !QFile::exists(started))
            return;
        const QByteArray window = xdotool({"search", "--name", title}).split('\n').value(0);
        if (!window.isEmpty())
            acted = act(window);
    });
    driver.start(kLookMs);
    LaunchFailure why = LaunchFailure::NotStarted;
    const bool ran = ShellAndWait(script, kNormalWindow, 0, &why);
    driver.stop();
    QVERIFY(ran);
    QCOMPARE(why, LaunchFailure::None);
    QVERIFY(acted);
}

QTEST_GUILESS_MAIN(TestShellAndWaitXterm)
#include "test_shell_and_wait_xterm.moc"
