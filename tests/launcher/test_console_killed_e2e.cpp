// A console that goes away while the learner's program loops forever, through
// the real main window, the real JDK and the real xterm under Xvfb: however
// the window goes, the program ends at once, "编译+运行" returns, the clean-up
// runs and nothing of the build is left running.
#include "console_driver.h"
#include "controls/skin_button.h"
#include "launcher/process_group.h"
#include "requirements.h"
#include "temporary_home.h"
#include "test_files.h"
#include "window_session.h"
#include "x_close.h"
#include "xdotool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

#include <signal.h>

using namespace qm;
using namespace qm::testing;

namespace {

enum class Ending { WindowKilled, CloseBox, TerminalKilled, TerminalCrashed };

// Within this long of the window going away the program has ended and the
// build has returned.
constexpr qint64 kEndsWithinMs = 1000;
constexpr int kGiveUpMs = 120000;

QString loopingProgram(const QString &marker) {
    return QStringLiteral("import java.nio.file.*;\n"
                          "public class Loop {\n"
                          "    public static void main(String[] args) throws Exception {\n"
                          "        Files.writeString(Path.of(\"%1\"),\n"
                          "            ProcessHandle.current().pid() + \"\\n\");\n"
                          "        long turns = 0;\n"
                          "        while (true) {\n"
                          "            if (++turns % 200000000L == 0)\n"
                          "                System.out.println(\"还在运行 \" + turns);\n"
                          "        }\n"
                          "    }\n"
                          "}\n")
        .arg(marker);
}

std::optional<detail::ProcessStat> statOf(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return detail::parseProcessStat(file.readAll());
}

bool running(qint64 pid) {
    const std::optional<detail::ProcessStat> stat = statOf(pid);
    return stat && stat->isAlive();
}

void end(Ending how, const QString &window) {
    if (how == Ending::WindowKilled) {
        xdotool({"windowkill", window});
    } else if (how == Ending::CloseBox) {
        askWindowToClose(window);
    } else {
        const pid_t terminal = static_cast<pid_t>(xdotool({"getwindowpid", window}).toLongLong());
        if (terminal > 0)
            ::kill(terminal, how == Ending::TerminalKilled ? SIGKILL : SIGSEGV);
    }
}

QStringList filesIn(const QString &dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(Ending)

class TestConsoleKilledE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(missingForConsole());
        QVERIFY(home.isValid());
    }

    void killedConsoleEndsTheProgram_data() {
        QTest::addColumn<Ending>("how");
        QTest::newRow("window killed (xdotool windowkill)") << Ending::WindowKilled;
        QTest::newRow("close box (WM_DELETE_WINDOW)") << Ending::CloseBox;
        QTest::newRow("terminal killed (kill -9)") << Ending::TerminalKilled;
        QTest::newRow("terminal crashed (SIGSEGV)") << Ending::TerminalCrashed;
    }

    void killedConsoleEndsTheProgram() {
        QFETCH(Ending, how);
        const QString marker = home.filePath("loop-pid");
        QFile::remove(marker);
        const QString path = home.filePath(QStringLiteral("源 程序"));
        WindowSession s(path);
        s.f().Txt_edit->setText(loopingProgram(marker));
        QCOMPARE(s.f().Txt_file->text(), QStringLiteral("Loop"));

        const QStringList before = consoleWindows();
        qint64 program = 0;
        qint64 session = 0;
        QElapsedTimer sinceEnd;
        QTimer actor;
        connect(&actor, &QTimer::timeout, this, [&] {
            if (sinceEnd.isValid())
                return;
            program = fileBytes(marker).trimmed().toLongLong();
            const QStringList now = consoleWindows();
            const auto own = std::find_if(now.cbegin(), now.cend(),
                                          [&](const QString &w) { return !before.contains(w); });
            const std::optional<detail::ProcessStat> stat = statOf(program);
            if (program <= 0 || own == now.cend() || !stat)
                return;
            session = stat->session;
            sinceEnd.start();
            end(how, *own);
        });
        actor.start(100);
        QTimer giveUp; // a hung build must fail the test, not hang it
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [&] {
            detail::signalProcesses(detail::processesLedBy(session), SIGKILL);
            ::kill(static_cast<pid_t>(program), SIGKILL);
        });
        giveUp.start(kGiveUpMs);

        s.click(s.f().Cmd_byyx);
        const qint64 took = sinceEnd.isValid() ? sinceEnd.elapsed() : -1;
        actor.stop();

        QVERIFY(giveUp.isActive());
        QVERIFY2(took >= 0, "the program never ran in a console");
        QVERIFY(!running(program));
        QVERIFY(session > 0);
        QCOMPARE(detail::processesLedBy(session), QList<qint64>{});
        QVERIFY2(took < kEndsWithinMs, qPrintable(QString::number(took) + " ms"));
        QCOMPARE(filesIn(path + QStringLiteral("/ClassFiles")), QStringList{"Tamsorley.sh"});
        QTRY_VERIFY_WITH_TIMEOUT(consoleWindows() == before, 5000);
        qInfo("ended %lld ms after the window went", took);
    }

private:
    TemporaryHome home;
};

QTEST_MAIN(TestConsoleKilledE2e)
#include "test_console_killed_e2e.moc"
