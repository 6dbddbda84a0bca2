// "编译+运行" through the real main window: the button is clicked, the real
// JDK runs in a real xterm under Xvfb, and the console is answered with keys.

#include "console_driver.h"
#include "controls/skin_button.h"
#include "environment_guard.h"
#include "requirements.h"
#include "settings/settings_file.h"
#include "temporary_home.h"
#include "test_files.h"
#include "window_session.h"
#include "workspace/main_window.h"
#include "xdotool.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

#include <memory>

using namespace qm;
using namespace qm::testing;

namespace {

// Spaces and Chinese in the stored directory reach the console's script.
const QString kOldDir = QStringLiteral("我的 Java");
const QString kNewDir = QStringLiteral("新 目录");

// Appends a line to the marker on every run; a second class leaves a second
// class file for the clean-up.
QString markerProgram(const QString &marker) {
    return QStringLiteral("import java.nio.file.*;\n"
                          "public class Hello {\n"
                          "    public static void main(String[] args) throws Exception {\n"
                          "        Files.writeString(Path.of(\"%1\"), \"你好\\n\",\n"
                          "            StandardOpenOption.CREATE, StandardOpenOption.APPEND);\n"
                          "    }\n"
                          "}\n"
                          "class Shape {}")
        .arg(marker);
}

// The same program in a package, with a member class, an interface and an enum
// javac writes files for.
QString packagedProgram(const QString &marker) {
    return QStringLiteral("// 第三周作业\n"
                          "package demo.app;\n\n"
                          "import java.nio.file.*;\n\n"
                          "interface Greeter { String greet(); }\n"
                          "enum Mood { HAPPY }\n"
                          "public class Hello {\n"
                          "    public static void main(String[] args) throws Exception {\n"
                          "        Files.writeString(Path.of(\"%1\"), new Inner().greet(),\n"
                          "            StandardOpenOption.CREATE, StandardOpenOption.APPEND);\n"
                          "    }\n"
                          "    static class Inner implements Greeter {\n"
                          "        public String greet() { return \"你好\\n\"; }\n"
                          "    }\n"
                          "}\n")
        .arg(marker);
}

QString genericProgram(const QString &marker) {
    return QStringLiteral("import java.nio.file.*;\n"
                          "public class Box<T> {\n"
                          "    private T item;\n"
                          "    public static void main(String[] args) throws Exception {\n"
                          "        Box<String> box = new Box<>();\n"
                          "        box.item = \"你好\\n\";\n"
                          "        Files.writeString(Path.of(\"%1\"), box.item,\n"
                          "            StandardOpenOption.CREATE, StandardOpenOption.APPEND);\n"
                          "    }\n"
                          "}\n")
        .arg(marker);
}

// Where a window stands: `xdotool getwindowgeometry --shell` says X=... Y=...
QPoint windowPlace(const QString &window) {
    QPoint at(-1, -1);
    const QByteArray shell = xdotool({"getwindowgeometry", "--shell", window});
    for (const QByteArray &line : shell.split('\n')) {
        if (line.startsWith("X="))
            at.setX(line.mid(2).toInt());
        if (line.startsWith("Y="))
            at.setY(line.mid(2).toInt());
    }
    return at;
}

int runsRecorded(const QString &marker) {
    return int(qm::testing::fileBytes(marker).count('\n'));
}

QStringList filesIn(const QString &dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// One program start: its own settings directory, stored Path and window.
struct Session : WindowSession {
    explicit Session(const QString &path) : WindowSession(path) {}
    bool saved() const { return ws().Saved; }
};

} // namespace

class TestWindowBuildE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(missingForConsole());
        QVERIFY(home.isValid());
    }

    void init() {
        for (const QString &name : {kOldDir, kNewDir, QStringLiteral("markers")})
            QDir(dir(name)).removeRecursively();
        QVERIFY(QDir().mkpath(dir("markers")));
    }

    void buildRunsAndLeavesOnlyTheScript_data() {
        QTest::addColumn<bool>("saveFirst");
        QTest::newRow("unsaved edits") << false;
        QTest::newRow("saved source") << true;
    }

    void buildRunsAndLeavesOnlyTheScript() {
        QFETCH(bool, saveFirst);
        Session s(dir(kOldDir));
        s.f().Txt_edit->setText(markerProgram(marker()));
        QCOMPARE(s.f().Txt_file->text(), QStringLiteral("Hello"));
        if (saveFirst)
            s.click(s.f().Cmd_save);
        QCOMPARE(s.saved(), saveFirst);
        const QStringList sourceBefore = filesIn(dir(kOldDir));
        const QByteArray savedBefore = qm::testing::fileBytes(dir(kOldDir) + "/Hello.java");

        QStringList duringRun;
        build(s, 1, [&] { duringRun = filesIn(buildDir(kOldDir)); });

        // The copy lies in the build's own run folder, the script's copy here.
        QCOMPARE(duringRun, QStringList{"Tamsorley.sh"});
        QCOMPARE(qm::testing::fileBytes(marker()), QStringLiteral("你好\n").toUtf8());
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{"Tamsorley.sh"});
        QCOMPARE(s.saved(), saveFirst);
        // The build neither saves nor touches the source directory.
        QCOMPARE(sourceBefore, saveFirst ? QStringList{"Hello.java"} : QStringList{});
        QCOMPARE(filesIn(dir(kOldDir)), QStringList{"ClassFiles"} + sourceBefore);
        QCOMPARE(qm::testing::fileBytes(dir(kOldDir) + "/Hello.java"), savedBefore);
        QVERIFY(s.prompter.errors.isEmpty());
    }

    void unstoredDirectoryBuildsInTheStoredOne() {
        Session s(dir(kOldDir));
        s.f().Txt_edit->setText(markerProgram(marker()));
        s.f().Txt_table->setText(dir(kNewDir));
        QVERIFY(s.f().Cmd_set->isEnabled());

        QStringList oldDuringRun;
        build(s, 1, [&] { oldDuringRun = filesIn(buildDir(kOldDir)); });
        QVERIFY2(oldDuringRun.contains("Tamsorley.sh"), qPrintable(oldDuringRun.join(", ")));
        QVERIFY(!QFileInfo::exists(dir(kNewDir)));
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{"Tamsorley.sh"});

        s.click(s.f().Cmd_set);
        QCOMPARE(s.state.settings.Path, dir(kNewDir));
        QCOMPARE(loadSettings(s.state.programDir).settings.Path, dir(kNewDir));
        QVERIFY(QFile::remove(buildDir(kOldDir) + "/Tamsorley.sh"));

        QStringList newDuringRun;
        build(s, 2, [&] { newDuringRun = filesIn(buildDir(kNewDir)); });
        QVERIFY2(newDuringRun.contains("Tamsorley.sh"), qPrintable(newDuringRun.join(", ")));
        QCOMPARE(filesIn(buildDir(kNewDir)), QStringList{"Tamsorley.sh"});
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{});
        QCOMPARE(runsRecorded(marker()), 2);
    }

    void windowStaysResponsiveAndBuildsNest() {
        Session s(dir(kOldDir));
        s.f().Txt_edit->setText(markerProgram(marker()));

        bool building = false;
        bool timerFiredDuringBuild = false;
        QTimer::singleShot(300, this, [&] { timerFiredDuringBuild = building; });

        QStringList returned;
        QStringList outerConsole;
        QStringList named;
        QList<QPoint> places;
        bool outerOpenWhenInnerReturned = false;
        const auto nested = [&] {
            outerConsole = consoleWindows();
            build(s, 2, [&] {
                // xdotool reads the title in the display's own encoding.
                named = QString::fromLatin1(
                            xdotool({"search", "--name", "^运行 Hello — QuillmossJava编译器$"}))
                            .split(u'\n', Qt::SkipEmptyParts);
                for (const QString &console : consoleWindows())
                    places << windowPlace(console);
            });
            returned << "inner";
            const QStringList open = consoleWindows();
            outerOpenWhenInnerReturned =
                !outerConsole.isEmpty() &&
                std::all_of(outerConsole.cbegin(), outerConsole.cend(),
                            [&](const QString &w) { return open.contains(w); });
        };
        building = true;
        build(s, 1, nested);
        building = false;
        returned << "outer";

        QVERIFY(timerFiredDuringBuild);
        QCOMPARE(returned, (QStringList{"inner", "outer"}));
        QVERIFY(outerOpenWhenInnerReturned);
        // Each console is titled after the program; the inner one stands
        // off the outer one instead of covering it.
        QCOMPARE(named.size(), 2);
        QCOMPARE(places.size(), 2);
        const QPoint offset = places.value(1) - places.value(0);
        QVERIFY2(offset.x() >= 20 && offset.y() >= 20,
                 qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
        QTRY_VERIFY_WITH_TIMEOUT(consoleWindows().isEmpty(), 5000);
        QCOMPARE(runsRecorded(marker()), 2);
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{"Tamsorley.sh"});
    }

    void compilerErrorsAreMarkedAtTheirLines() {
        Session s(dir(kOldDir));
        QsciScintilla *editor = s.f().Txt_edit;
        editor->setText(QStringLiteral("public class Hello {\n"
                                       "    public static void main(String[] args) {\n"
                                       "        record();\n"
                                       "    }\n"
                                       "}\n"));
        build(s, 0); // nothing runs: the console only shows javac's complaint
        QVERIFY(editor->markersAtLine(2) != 0);
        const QString note = editor->annotation(2);
        QVERIFY2(note.startsWith("error: cannot find symbol") ||
                     note.startsWith("错误: 找不到符号"),
                 qPrintable(note));
        for (int line : {0, 1, 3, 4})
            QVERIFY(editor->markersAtLine(line) == 0 && editor->annotation(line).isEmpty());
        QVERIFY(s.prompter.errors.isEmpty());
        QVERIFY(!s.saved());
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{"Tamsorley.sh"});

        // The missing method added below leaves the marked line as it was:
        // the marks stay until the next build, which compiles and clears them.
        editor->insertAt(QStringLiteral("\n    static void record() {\n"
                                        "        try { java.nio.file.Files.writeString(\n"
                                        "            java.nio.file.Path.of(\"%1\"), \"1\\n\");\n"
                                        "        } catch (Exception e) {}\n"
                                        "    }")
                             .arg(marker()),
                         3, 5);
        QVERIFY(editor->markersAtLine(2) != 0);
        build(s, 1);
        QCOMPARE(runsRecorded(marker()), 1);
        for (int line = 0; line < editor->lines(); ++line)
            QVERIFY(editor->markersAtLine(line) == 0 && editor->annotation(line).isEmpty());
    }

    void marksNeedTheCompiledText() {
        Session s(dir(kOldDir));
        QsciScintilla *editor = s.f().Txt_edit;
        editor->setText(QStringLiteral("public class Hello {\n    int x = \"s\";\n}\n"));
        // Typed while the console is open: the marks would point at other lines.
        build(s, 0, [&] { editor->insertAt(QStringLiteral("// note\n"), 0, 0); });
        for (int line = 0; line < editor->lines(); ++line)
            QVERIFY(editor->markersAtLine(line) == 0 && editor->annotation(line).isEmpty());
    }

    void packageAndGenericSourcesRunAndLeaveOnlyTheScript_data() {
        QTest::addColumn<bool>("packaged");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("package demo.app") << true << "Hello";
        QTest::newRow("public class Box<T>") << false << "Box";
    }

    void packageAndGenericSourcesRunAndLeaveOnlyTheScript() {
        QFETCH(bool, packaged);
        QFETCH(QString, fileName);
        Session s(dir(kOldDir));
        s.f().Txt_edit->setText(packaged ? packagedProgram(marker()) : genericProgram(marker()));
        QCOMPARE(s.f().Txt_file->text(), fileName);
        QStringList duringRun;
        build(s, 1, [&] { duringRun = filesIn(buildDir(kOldDir)); });
        QCOMPARE(qm::testing::fileBytes(marker()), QStringLiteral("你好\n").toUtf8());
        // The package's classes stay in the build's own run folder.
        QCOMPARE(duringRun, QStringList{"Tamsorley.sh"});
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{"Tamsorley.sh"});
        QVERIFY(s.prompter.errors.isEmpty());
    }

    void keyPressedDuringCompilationLeavesTheConsoleOpen() {
        // A javac that takes its time, so the key surely comes while it compiles.
        QTemporaryDir slowBin;
        QVERIFY(slowBin.isValid());
        const QString compiling = dir("markers/compiling");
        const QString javac = QStandardPaths::findExecutable("javac");
        QVERIFY(writeExecutable(slowBin.filePath("javac"), "touch '" + compiling.toUtf8() +
                                                               "'\nsleep 1.5\nexec '" +
                                                               javac.toUtf8() + "' \"$@\""));
        EnvironmentGuard env;
        env.prependPath(slowBin.path());

        Session s(dir(kOldDir));
        s.f().Txt_edit->setText(markerProgram(marker()));
        EarlyKey early([&] { return QFile::exists(compiling); },
                       [&] { return runsRecorded(marker()) >= 1; });
        s.click(s.f().Cmd_byyx);

        QVERIFY(!early.timedOut());
        QVERIFY(early.pressedWhileCompiling);
        QVERIFY2(early.openAfterTheRun, "the key typed during compilation closed the console");
        QCOMPARE(runsRecorded(marker()), 1);
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{"Tamsorley.sh"});
    }

    void missingTerminalIsReported() {
        QTemporaryDir emptyBin;
        QVERIFY(emptyBin.isValid());
        EnvironmentGuard env;
        env.set("PATH", emptyBin.path());
        Session s(dir(kOldDir));
        s.f().Txt_edit->setText(markerProgram(marker()));
        s.click(s.f().Cmd_byyx);

        QCOMPARE(s.prompter.errors,
                 QStringList{"编译+运行|未找到可用的终端程序（如 xterm），无法打开控制台窗口。"});
        QCOMPARE(filesIn(buildDir(kOldDir)), QStringList{"Tamsorley.sh"});
        QVERIFY(!QFile::exists(marker()));
        QVERIFY(!s.saved());
    }

private:
    QString dir(const QString &name) const { return home.filePath(name); }
    QString buildDir(const QString &name) const { return dir(name) + "/ClassFiles"; }
    QString marker() const { return home.filePath("markers/Hello"); }
    // Clicks "编译+运行" and answers the console once the program has run
    // `runs` times in all; `look` sees the run in progress.
    void build(Session &s, int runs, const std::function<void()> &look = nullptr);

    TemporaryHome home;
};

void TestWindowBuildE2e::build(Session &s, int runs, const std::function<void()> &look) {
    ConsoleDriver driver([&] { return runsRecorded(marker()) >= runs; }, look);
    s.click(s.f().Cmd_byyx);
    QVERIFY(!driver.timedOut());
}

QTEST_MAIN(TestWindowBuildE2e)
#include "test_window_build_e2e.moc"
