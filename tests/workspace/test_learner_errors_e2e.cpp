// What a learner sees of an error, through the real main window, real xterm
// and the real JDK in a C.UTF-8 session: javac's complaint in Chinese at its
// line, also from the warm javac; an uncaught exception marked where it was
// thrown once the console has closed; and a console that Ctrl+C and copying
// do not close.

#include "build/exception_trace.h"
#include "build/explanations.h"
#include "build/javac_probe.h"
#include "build/javac_server.h"
#include "console_driver.h"
#include "controls/skin_button.h"
#include "environment_guard.h"
#include "platform/platform.h"
#include "requirements.h"
#include "temporary_home.h"
#include "test_files.h"
#include "window_session.h"
#include "xdotool.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

// Writes the marker (the program has run this far), then does `rest`; the
// first line of `rest` is line 5 of the source.
QString program(const QString &marker, const QString &rest) {
    return QStringLiteral("public class Hello {\n"
                          "    static int[] scores = new int[3];\n"
                          "    public static void main(String[] args) throws Exception {\n"
                          "        java.nio.file.Files.writeString(java.nio.file.Path.of(\"%1\"), "
                          "\"1\");\n")
               .arg(marker) +
           rest + QStringLiteral("    }\n}\n");
}

bool javacServerReady() {
    build::JavacServer *server = build::JavacServer::instance();
    return server && server->address(build::probeJavac(platform::cacheDirectory())).pid != 0;
}

// The lines of the editor that have any margin mark.
QList<int> markedLines(QsciScintilla *editor) {
    QList<int> lines;
    for (int line = 0; line < editor->lines(); ++line) {
        if (editor->markersAtLine(line) != 0)
            lines << line;
    }
    return lines;
}

// A note as it reads, whatever the width it was broken to.
QString unbroken(QString note) {
    return note.remove(u'\n').remove(u' ');
}

void pressInConsole(const QString &window, const QString &keys) {
    xdotool({"windowfocus", window});
    xdotool({"key", keys});
}

} // namespace

class TestLearnerErrorsE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(missingForConsole());
        QVERIFY(home.isValid());
        // The default of many desktops and of every remote session: javac's
        // own language would be English.
        home.environment().set("LANG", "C.UTF-8").unset("LC_ALL").unset("LC_MESSAGES");
        home.environment().unset("LANGUAGE").unset("CLASSPATH");
    }

    void init() { QFile::remove(marker()); }

    // The first build's javac and then the warm one; under a desktop's C
    // locale too, where the console turns to UTF-8.
    void javacSpeaksChineseAtTheLine_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8");
        QTest::newRow("C") << QByteArray("C");
    }

    void javacSpeaksChineseAtTheLine() {
        QFETCH(QByteArray, locale);
        EnvironmentGuard env;
        env.set("LANG", locale);
        Session s(home.filePath("java"));
        QsciScintilla *editor = s.f().Txt_edit;
        editor->setText(QStringLiteral("public class Hello {\n"
                                       "    public static void main(String[] args) {\n"
                                       "        System.out.println(\"你好\")\n"
                                       "    }\n"
                                       "}\n"));
        for (const bool warm : {false, true}) {
            if (warm)
                QTRY_VERIFY_WITH_TIMEOUT(javacServerReady(), 90000);
            build(s, false);
            QCOMPARE(markedLines(editor), QList<int>{2});
            const QString note = editor->annotation(2);
            QVERIFY2(note.startsWith(QStringLiteral("错误: 需要';'\n")), qPrintable(note));
            QVERIFY2(note.contains(QStringLiteral("分号")), qPrintable(note)); // and what it means
        }
    }

    void uncaughtExceptionIsMarkedWhereItWasThrown_data() {
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("thrownAt"); // editor lines, from 0
        QTest::addColumn<QList<int>>("marked");
        const QString outOfBounds =
            "java.lang.ArrayIndexOutOfBoundsException: Index 3 out of bounds for length 3";
        QTest::newRow("index out of bounds at line 5")
            << QStringLiteral("        scores[3] = 1;\n") << outOfBounds << 4 << QList<int>{4};
        QTest::newRow("thrown at line 8, called from line 5")
            << QStringLiteral("        record();\n    }\n"
                              "    static void record() {\n        scores[3] = 1;\n")
            << outOfBounds << 7 << QList<int>{4, 7};
        // javac -g: the JVM names the variable that was null.
        QTest::newRow("null named")
            << QStringLiteral("        String name = null;\n"
                              "        System.out.println(name.length());\n")
            << "java.lang.NullPointerException: Cannot invoke \"String.length()\" because "
               "\"name\" is null"
            << 5 << QList<int>{5};
    }

    void uncaughtExceptionIsMarkedWhereItWasThrown() {
        QFETCH(QString, rest);
        QFETCH(QString, header);
        QFETCH(int, thrownAt);
        QFETCH(QList<int>, marked);
        Session s(home.filePath("java"));
        QsciScintilla *editor = s.f().Txt_edit;
        editor->setText(program(marker(), rest));
        build(s, true);

        QCOMPARE(markedLines(editor), marked);
        const QString className = header.section(u':', 0, 0);
        const QString meaning = build::explainException(className, header.section(": ", 1));
        QVERIFY(!meaning.isEmpty());
        const QString note = editor->annotation(thrownAt);
        QVERIFY2(unbroken(note).startsWith(unbroken(header + meaning)), qPrintable(note));
        // Callers get a paler mark, without words of their own.
        for (int line : marked) {
            if (line != thrownAt)
                QVERIFY(editor->annotation(line).isEmpty());
        }
    }

    void exceptionMarksNeedTheCompiledText() {
        Session s(home.filePath("java"));
        QsciScintilla *editor = s.f().Txt_edit;
        editor->setText(
            program(marker(), QStringLiteral("        int zero = 0;\n"
                                             "        System.out.println(1 / zero);\n")));
        build(s, true, [&] { editor->insertAt(QStringLiteral("// 注释\n"), 0, 0); });
        QCOMPARE(markedLines(editor), QList<int>{});
    }

    // Ctrl+C stops the program: the console stays to tell so, and the
    // program gets no mark, though it was stopped while it waited.
    void ctrlCStopsTheProgramNotTheConsole() {
        Session s(home.filePath("java"));
        QsciScintilla *editor = s.f().Txt_edit;
        editor->setText(program(marker(), QStringLiteral("        Thread.sleep(60000);\n")));
        bool openAfterCtrlC = false;
        build(s, true, [&] {
            const QString console = consoleWindows().constLast();
            QTest::qWait(500);
            pressInConsole(console, "ctrl+c");
            QTest::qWait(2000);
            openAfterCtrlC = consoleWindows().contains(console);
        });
        QVERIFY(openAfterCtrlC);
        QCOMPARE(markedLines(editor), QList<int>{});
    }

    // A learner selects an error to paste it elsewhere: neither the
    // selection nor Ctrl+C nor Ctrl+Shift+C at the final prompt closes the
    // console, and the selection is on the clipboard.
    void finalPromptLetsTheLearnerCopy() {
        Session s(home.filePath("java"));
        s.f().Txt_edit->setText(program(marker(), QString()));
        bool openAfterCopying = false;
        QString copied;
        build(s, true, [&] {
            const QString console = consoleWindows().constLast();
            QTest::qWait(1500); // the prompt is shown
            pressInConsole(console, "ctrl+c");
            pressInConsole(console, "ctrl+shift+c");
            xdotool({"mousemove", "--window", console, "2", "4"});
            xdotool({"mousedown", "1"});
            xdotool({"mousemove", "--window", console, "400", "60"});
            xdotool({"mouseup", "1"});
            QTest::qWait(1500);
            copied = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
            openAfterCopying = consoleWindows().contains(console);
        });
        QVERIFY(openAfterCopying);
        QVERIFY2(copied.contains(QStringLiteral("编译中")), qPrintable(copied));
    }

private:
    struct Session : WindowSession {
        explicit Session(const QString &path) : WindowSession(path) {}
    };

    QString marker() const { return home.filePath("ran"); }
    // Clicks "编译+运行"; once the program has run (when it should) `look`
    // sees the console, then keys close it.
    void build(Session &s, bool runs, const std::function<void()> &look = nullptr) {
        ConsoleDriver driver([&] { return !runs || QFile::exists(marker()); }, look);
        s.click(s.f().Cmd_byyx);
        QVERIFY(!driver.timedOut());
    }

    TemporaryHome home;
};

QTEST_MAIN(TestLearnerErrorsE2e)
#include "test_learner_errors_e2e.moc"
