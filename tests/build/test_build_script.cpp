// The filled scripts (the batch script followed through its jumps), the
// applet page and the deletion list, as text.

#include "build/build_script.h"
#include "build/clean_up.h"
#include "platform/shell_quote.h"

#include <QRegularExpression>
#include <QTest>

using namespace qm::build;
using qm::BuildKind;
using qm::platform::ScriptKind;

namespace {

const BuildPlaces kPlaces{"D:\\MyJava\\ClassFiles", "C:\\Temp\\run"};

// True when no mark "@name@" of the template is left unfilled.
bool noMarkLeft(const QStringList &lines) {
    static const QRegularExpression mark("@[a-z][a-z0-9_]*@");
    return !lines.join('\n').contains(mark);
}

// The commands the command interpreter runs for `lines`, in order, following
// its jumps: `goto`, an `if` on javac's kept status, and `command || goto`
// where `command` fails only when it is `where` and no viewer is found.
QStringList commandsRun(const QStringList &lines, bool compiles, bool viewerFound) {
    static const QRegularExpression onStatus(R"(^if not "%compiled%"=="0" goto (\w+)$)");
    static const QRegularExpression orJump(R"(^(.*) \|\| goto (\w+)$)");
    QStringList run;
    qsizetype at = 0;
    while (at < lines.size() && run.size() < 100) {
        const QString line = lines.at(at++);
        QString jump;
        if (line.startsWith("rem ") || line.startsWith(':'))
            continue;
        if (line.startsWith("goto ")) {
            jump = line.mid(5);
        } else if (const auto status = onStatus.match(line); status.hasMatch()) {
            jump = compiles ? QString() : status.captured(1);
        } else if (const auto orGoto = orJump.match(line); orGoto.hasMatch()) {
            run << orGoto.captured(1);
            const bool fails = orGoto.captured(1).startsWith("where ") && !viewerFound;
            jump = fails ? orGoto.captured(2) : QString();
        } else {
            run << line;
        }
        if (jump.isEmpty())
            continue;
        at = lines.indexOf(':' + jump);
        if (at < 0)
            return run << "<no label " + jump + ">";
    }
    return run;
}

} // namespace

class TestBuildScript : public QObject {
    Q_OBJECT

private slots:
    // The batch script cannot run here: its commands are followed through its
    // jumps instead, for each way javac and `where` may answer.
    void batchRun_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("package");
        QTest::addColumn<int>("compType");
        QTest::addColumn<bool>("compiles");
        QTest::addColumn<bool>("viewerFound");
        QTest::addColumn<QStringList>("expected");
        const QString classes = kPlaces.classDirectory();
        const QString javac = "javac -g -proc:none -J-XX:TieredStopAtLevel=1 -J-XX:+UseSerialGC "
                              "-J-XX:-UsePerfData -encoding UTF-8 -d \"" +
                              classes + "\" -cp \"%class_path%\" ";
        const auto compile = [&](const QString &arguments) {
            // javac runs in the run folder; its status is kept before "type"
            // shows its output; the program runs in the build directory.
            return QStringList{"@echo off",
                               "set class_path=" + classes + ";D:\\MyJava\\ClassFiles",
                               "if defined CLASSPATH set class_path=" + classes + ";%CLASSPATH%",
                               "cd /d \"C:\\Temp\\run\"",
                               "echo ------------编译中...------------",
                               javac + arguments + " > javac-output.txt 2>&1",
                               "set compiled=%ERRORLEVEL%",
                               "type javac-output.txt",
                               "D:",
                               "cd D:\\MyJava\\ClassFiles"};
        };
        const QString java = "java -cp \"%class_path%\" ";
        const QString compiled = "echo ----------编译+运行完成----------";
        // ERRORLEVEL is read when the line runs, after the program.
        const QString ended = "echo ----------运行结束，退出代码 %errorlevel%----------";
        const QString failed = "echo ----------编译失败，程序未运行----------";
        const QString noViewer = "echo 未找到 appletviewer：JDK 11 起不再提供小程序查看器。";
        const QString where = "where /q appletviewer";
        QTest::newRow("standard") << "Hello"
                                  << "" << 0 << true << false
                                  << compile("Hello.java") +
                                         QStringList{compiled, java + "Hello", ended, "pause"};
        QTest::newRow("compile error runs nothing")
            << "Hello"
            << "" << 0 << false << true << compile("Hello.java") + QStringList{failed, "pause"};
        QTest::newRow("package") << "Hello"
                                 << "demo.app" << 0 << true << false
                                 << compile("Hello.java") + QStringList{compiled,
                                                                        java + "demo.app.Hello",
                                                                        ended, "pause"};
        QTest::newRow("applet") << "Hello"
                                << "" << 1 << true << true
                                << compile("Hello.java") +
                                       QStringList{compiled, where,
                                                   "appletviewer \"" + classes + "\\Hello.HTML\"",
                                                   ended, "pause"};
        QTest::newRow("applet, no viewer")
            << "Hello"
            << "" << 1 << true << false
            << compile("Hello.java") + QStringList{compiled, where, noViewer, "pause"};
        QTest::newRow("applet, compile error")
            << "Hello"
            << "" << 1 << false << true << compile("Hello.java") + QStringList{failed, "pause"};
        QTest::newRow("empty name")
            << ""
            << "" << 0 << true << false
            << compile(".java") + QStringList{compiled, java, ended, "pause"};
    }

    void batchRun() {
        QFETCH(QString, name);
        QFETCH(QString, package);
        QFETCH(int, compType);
        QFETCH(bool, compiles);
        QFETCH(bool, viewerFound);
        QFETCH(QStringList, expected);
        const QStringList lines = batchScriptLines(
            "D:\\MyJava", kPlaces, ScriptTarget{name, package, BuildKind(compType)});
        QCOMPARE(commandsRun(lines, compiles, viewerFound), expected);
    }

    void batchBytes() {
        const QStringList lines = batchScriptLines("D:\\MyJava", kPlaces, ScriptTarget{"Hello"});
        QVERIFY(noMarkLeft(lines));
        // Every line ends in CR LF, the last one too. The code page here is
        // UTF-8; on Windows it is the system's.
        const QByteArray bytes = textFileBytes(lines, ScriptKind::Batch);
        QVERIFY(bytes.startsWith("@echo off\r\n"));
        QVERIFY(bytes.endsWith("\r\npause\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(bytes.contains("echo ------------\xe7\xbc\x96\xe8\xaf\x91\xe4\xb8\xad..."
                               "------------\r\n"));
    }

    // What the script does is tested by running it (test_build_script_run);
    // here the values it is filled with.
    void posixValues_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("package");
        QTest::addColumn<int>("compType");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("standard") << "Hello"
                                  << "" << 0
                                  << QStringList{"source_file='Hello.java'", "run_kind='program'",
                                                 "run_class='Hello'", "applet_page=''"};
        QTest::newRow("package") << "Hello"
                                 << "作业.第一章" << 0
                                 << QStringList{"source_file='Hello.java'", "run_kind='program'",
                                                "run_class='作业.第一章.Hello'"};
        QTest::newRow("applet") << "Hello"
                                << "" << 1
                                << QStringList{"run_kind='applet'", "applet_page='Hello.HTML'"};
        QTest::newRow("quotes") << "it's"
                                << "" << 0
                                << QStringList{"source_file='it'\\''s.java'",
                                               "run_class='it'\\''s'"};
    }

    void posixValues() {
        QFETCH(QString, name);
        QFETCH(QString, package);
        QFETCH(int, compType);
        QFETCH(QStringList, values);
        const JavacSetup setup{"/usr/bin/javac",
                               "/usr/lib/jvm/j17",
                               "17.0.1",
                               "/home/u/.cache/q",
                               "/home/u/.cache/q/javac-17.0.1-5.jsa",
                               true};
        const QStringList lines =
            posixScriptLines({"/home/u/MyJava/ClassFiles", "/run/user/1000/quillmoss-run-7-AbCdEf"},
                             setup, ScriptTarget{name, package, BuildKind(compType)});
        QCOMPARE(lines.first(), "#!/bin/bash");
        QVERIFY(noMarkLeft(lines));
        values << "build_dir='/home/u/MyJava/ClassFiles'"
               << "run_dir='/run/user/1000/quillmoss-run-7-AbCdEf'"
               << "class_dir='/run/user/1000/quillmoss-run-7-AbCdEf/classes'"
               << "javac_output='/run/user/1000/quillmoss-run-7-AbCdEf/javac-output.txt'"
               << "javac='/usr/bin/javac'"
               << "jdk='/usr/lib/jvm/j17'"
               << "javac_archive='/home/u/.cache/q/javac-17.0.1-5.jsa'"
               << "server_pid='0'";
        for (const QString &value : values)
            QVERIFY2(lines.contains(value), qPrintable(value));
    }

    // The warm javac reaches the script only when one is ready; the archive
    // is made by the program, never by the console.
    void posixValuesOfTheWarmJavac() {
        JavacSetup setup{"/usr/bin/javac", "/usr/lib/jvm/j17", "17.0.1", "/c", "", true};
        setup.server = {"/tmp/quillmoss-javac-x", 4242};
        const QStringList served = posixScriptLines({"/b", "/r"}, setup, ScriptTarget{"Hello"});
        QVERIFY(served.contains("server_dir='/tmp/quillmoss-javac-x'"));
        QVERIFY(served.contains("server_pid='4242'"));
        QVERIFY(!served.join('\n').contains("A small program"));
        QVERIFY(!served.join('\n').contains("ArchiveClassesAtExit"));
    }

    void posixBytesAreUtf8WithLf() {
        const QByteArray bytes = textFileBytes({"echo '编译'", "pause"}, ScriptKind::Posix);
        QCOMPARE(bytes, QByteArray("echo '\xe7\xbc\x96\xe8\xaf\x91'\npause\n"));
    }

    void shellQuote_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain") << "Hello"
                               << "'Hello'";
        QTest::newRow("empty") << ""
                               << "''";
        QTest::newRow("single quote") << "it's"
                                      << "'it'\\''s'";
        QTest::newRow("only quotes") << "''"
                                     << "''\\'''\\'''";
        QTest::newRow("shell syntax") << "a $(b) `c` ; d & \"e\" \\f"
                                      << "'a $(b) `c` ; d & \"e\" \\f'";
    }

    void shellQuote() {
        QFETCH(QString, text);
        QFETCH(QString, quoted);
        QCOMPARE(qm::shellQuote(text), quoted);
    }

    void appletPage_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("tag");
        QTest::newRow("load sizes")
            << 200 << 400 << "<applet code=\"Hello.class\" height=200 width=400>";
        QTest::newRow("negative") << -5 << -32768
                                  << "<applet code=\"Hello.class\" height=-5 width=-32768>";
        QTest::newRow("zero") << 0 << 32767 << "<applet code=\"Hello.class\" height=0 width=32767>";
    }

    void appletPage() {
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(QString, tag);
        const QStringList expected{"<html>", tag, "</applet>", "</html>"};
        QCOMPARE(appletPageLines(ScriptTarget{"Hello"}, qint16(height), qint16(width)), expected);
    }

    void deletionList_data() {
        QTest::addColumn<QStringList>("classNames");
        QTest::addColumn<int>("classCount");
        QTest::addColumn<int>("keepClasses");
        QTest::addColumn<QStringList>("expected");
        const QString d = "/b/ClassFiles/";
        QTest::newRow("scanned names in order")
            << QStringList{"Shape", "Hello"} << 2 << 0
            << QStringList{d + "Shape.class", d + "Hello.class"};
        QTest::newRow("kept classes") << QStringList{"Shape", "Hello"} << 2 << 1 << QStringList{};
        QTest::newRow("any non-zero keeps") << QStringList{"Hello"} << 1 << -1 << QStringList{};
        QTest::newRow("empty and unreached entries")
            << QStringList{"", "A"} << 4 << 0 << QStringList{d + "A.class"};
        QTest::newRow("names leaving the directory")
            << QStringList{"../../x", "a\\b", ".", "..", "ok"} << 5 << 0
            << QStringList{d + "ok.class"};
    }

    void deletionList() {
        QFETCH(QStringList, classNames);
        QFETCH(int, classCount);
        QFETCH(int, keepClasses);
        QFETCH(QStringList, expected);
        QCOMPARE(filesToDelete("/b/ClassFiles/", "", classNames, classCount, qint16(keepClasses)),
                 expected);
    }

    void packageClassesAndDirectories() {
        const QString d = "/b/ClassFiles/";
        QCOMPARE(packageDirectory("demo.app"), "demo/app/");
        QCOMPARE(packageDirectory(""), "");
        QCOMPARE(packageDirectories(d, "a.b.c"), (QStringList{d + "a/b/c", d + "a/b", d + "a"}));
        QCOMPARE(packageDirectories(d, ""), QStringList{});
        // Class files lie in the package's directory.
        QCOMPARE(filesToDelete(d, "demo.app", {"Shape", "Hello"}, 2, 0),
                 (QStringList{d + "demo/app/Shape.class", d + "demo/app/Hello.class"}));
        QCOMPARE(filesToDelete(d, "demo.app", {"Hello"}, 1, 1), QStringList{});
        QCOMPARE(
            appletPageLines(ScriptTarget{"Hello", "demo.app", BuildKind::Applet}, 200, 400).at(1),
            "<applet code=\"demo.app.Hello.class\" height=200 width=400>");
    }

    void classFilesOfTypes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("belongs");
        QTest::newRow("the class itself") << "Library.class" << true;
        QTest::newRow("member") << "Library$Book.class" << true;
        QTest::newRow("anonymous") << "SortNames$1.class" << true;
        QTest::newRow("local") << "SortNames$1Person.class" << true;
        QTest::newRow("two levels") << "Library$Book$Page.class" << true;
        QTest::newRow("another class") << "Other$1.class" << false;
        QTest::newRow("name is only a prefix") << "LibraryX.class" << false;
        QTest::newRow("nested in a prefix") << "LibraryX$1.class" << false;
        QTest::newRow("not a class file") << "Library$Book.java" << false;
        QTest::newRow("empty entry matches nothing") << "$1.class" << false;
        QTest::newRow("bare suffix") << ".class" << false;
    }

    void classFilesOfTypes() {
        QFETCH(QString, file);
        QFETCH(bool, belongs);
        QCOMPARE(isClassFileOf(file, {"Library", "", "SortNames"}), belongs);
    }

    void nameConfinement_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("confined");
        QTest::newRow("class name") << "Hello" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("dots inside") << "a..b" << true;
        QTest::newRow("three dots") << "..." << true;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << false;
        QTest::newRow("Chinese") << "成绩单" << true;
#ifdef Q_OS_WIN
        QTest::newRow("colon") << "a:b" << false;
        QTest::newRow("angle brackets") << "Box<T>" << false;
        QTest::newRow("question mark") << "a?" << false;
#else
        QTest::newRow("colon is a file name here") << "a:b" << true;
        QTest::newRow("angle brackets are a file name here") << "Box<T>" << true;
#endif
    }

    void nameConfinement() {
        QFETCH(QString, name);
        QFETCH(bool, confined);
        QCOMPARE(nameIsConfined(name), confined);
    }
};

QTEST_GUILESS_MAIN(TestBuildScript)
#include "test_build_script.moc"
