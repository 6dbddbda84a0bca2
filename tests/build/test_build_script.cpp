// The generated script, page and deletion list, as text.

#include "build/build_script.h"
#include "build/clean_up.h"
#include "platform/shell_quote.h"

#include <QTest>

using namespace qm::build;
using qm::BuildKind;
using qm::platform::ScriptKind;

class TestBuildScript : public QObject {
    Q_OBJECT

private slots:
    void batchBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("package");
        QTest::addColumn<int>("compType");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray head =
            "@echo off\r\n"
            "D:\r\n"
            "cd D:\\MyJava\\ClassFiles\r\n"
            "echo ------------\xe7\xbc\x96\xe8\xaf\x91\xe4\xb8\xad...------------\r\n"
            "javac -J-XX:TieredStopAtLevel=1 -J-XX:+UseSerialGC -J-XX:-UsePerfData "
            "-encoding UTF-8 ";
        // javac's status is kept before "type" shows its output.
        const QByteArray compiled =
            " > javac-output.txt 2>&1\r\n"
            "set compiled=%ERRORLEVEL%\r\n"
            "type javac-output.txt\r\n"
            "if not \"%compiled%\"==\"0\" goto failed\r\n"
            "echo ----------\xe7\xbc\x96\xe8\xaf\x91+\xe8\xbf\x90\xe8\xa1\x8c"
            "\xe5\xae\x8c\xe6\x88\x90----------\r\n";
        const QByteArray ended = "echo ----------\xe8\xbf\x90\xe8\xa1\x8c\xe7\xbb\x93\xe6\x9d\x9f"
                                 "\xef\xbc\x8c\xe9\x80\x80\xe5\x87\xba\xe4\xbb\xa3\xe7\xa0\x81 "
                                 "%errorlevel%----------\r\ngoto done\r\n";
        const QByteArray noViewer =
            ":noviewer\r\necho " +
            QStringLiteral("未找到 appletviewer：JDK 11 起不再提供小程序查看器。").toUtf8() +
            "\r\ngoto done\r\n";
        const QByteArray tail = ":failed\r\necho ----------" +
                                QStringLiteral("编译失败，程序未运行").toUtf8() +
                                "----------\r\n:done\r\npause\r\n";
        QTest::newRow("standard") << "Hello"
                                  << "" << 0
                                  << head + "Hello.java" + compiled + "java Hello\r\n" + ended +
                                         tail;
        QTest::newRow("package") << "Hello"
                                 << "demo.app" << 0
                                 << head + "-d . Hello.java" + compiled +
                                        "java demo.app.Hello\r\n" + ended + tail;
        QTest::newRow("applet") << "Hello"
                                << "" << 1
                                << head + "Hello.java" + compiled +
                                       "where /q appletviewer || goto noviewer\r\n"
                                       "appletviewer Hello.HTML\r\n" +
                                       ended + noViewer + tail;
        QTest::newRow("empty name")
            << ""
            << "" << 0 << head + ".java" + compiled + "java \r\n" + ended + tail;
    }

    void batchBytes() {
        QFETCH(QString, name);
        QFETCH(QString, package);
        QFETCH(int, compType);
        QFETCH(QByteArray, expected);
        const QStringList lines =
            batchScriptLines("D:\\MyJava", ScriptTarget{name, package, BuildKind(compType)});
        // The code page here is UTF-8; on Windows it is the system's.
        QCOMPARE(textFileBytes(lines, ScriptKind::Batch), expected);
    }

    void posixLines_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("package");
        QTest::addColumn<int>("compType");
        QTest::addColumn<QString>("compileLine");
        QTest::addColumn<QString>("runLine");
        QTest::newRow("standard")
            << "Hello"
            << "" << 0
            << "javac \"${javac_flags[@]}\" \"${archive_flags[@]}\" -encoding UTF-8 "
               "'Hello.java' 2>&1 | tee javac-output.txt; "
               "compiled=${PIPESTATUS[0]}"
            << "  java 'Hello'";
        QTest::newRow("package")
            << "Hello"
            << "作业.第一章" << 0
            << "javac \"${javac_flags[@]}\" \"${archive_flags[@]}\" -encoding UTF-8 -d . "
               "'Hello.java' 2>&1 | tee javac-output.txt; "
               "compiled=${PIPESTATUS[0]}"
            << "  java '作业.第一章.Hello'";
        QTest::newRow("applet")
            << "Hello"
            << "" << 1
            << "javac \"${javac_flags[@]}\" \"${archive_flags[@]}\" -encoding UTF-8 "
               "'Hello.java' 2>&1 | tee javac-output.txt; "
               "compiled=${PIPESTATUS[0]}"
            << "    appletviewer 'Hello.HTML'";
    }

    // The script's behaviour is tested by running it (test_build_script_run);
    // here only the lines that carry the names.
    void posixLines() {
        QFETCH(QString, name);
        QFETCH(QString, package);
        QFETCH(int, compType);
        QFETCH(QString, compileLine);
        QFETCH(QString, runLine);
        const JavacSetup setup{"/usr/bin/javac",
                               "/usr/lib/jvm/j17",
                               "17.0.1",
                               "/home/u/.cache/q",
                               "/home/u/.cache/q/javac-17.0.1-5.jsa",
                               true};
        const QStringList lines = posixScriptLines(
            "/home/u/MyJava/ClassFiles", setup, ScriptTarget{name, package, BuildKind(compType)});
        QCOMPARE(lines.first(), "#!/bin/bash");
        QCOMPARE(lines.at(1), "cd '/home/u/MyJava/ClassFiles'");
        QVERIFY(lines.contains(compileLine));
        QVERIFY(lines.contains(runLine));
        QVERIFY(lines.contains("if [ \"${BASH_CMDS[javac]}\" = '/usr/bin/javac' ]; then"));
        QVERIFY(lines.contains("  archive='/home/u/.cache/q/javac-17.0.1-5.jsa'"));
        QCOMPARE(lines.last(), "read -r -s -n 1");
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
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        const QString d = "/b/ClassFiles/";
        QTest::newRow("scanned names in order")
            << QStringList{"Shape", "Hello"} << 2 << 0 << "Hello"
            << QStringList{d + "Shape.class", d + "Hello.class", d + "Hello.java",
                           d + "Hello.HTML"};
        QTest::newRow("kept classes") << QStringList{"Shape", "Hello"} << 2 << 1 << "Hello"
                                      << QStringList{d + "Hello.java", d + "Hello.HTML"};
        QTest::newRow("any non-zero keeps") << QStringList{"Hello"} << 1 << -1 << "Hello"
                                            << QStringList{d + "Hello.java", d + "Hello.HTML"};
        QTest::newRow("empty and unreached entries")
            << QStringList{"", "A"} << 4 << 0 << "A"
            << QStringList{d + "A.class", d + "A.java", d + "A.HTML"};
        QTest::newRow("names leaving the directory")
            << QStringList{"../../x", "a\\b", ".", "..", "ok"} << 5 << 0 << "ok"
            << QStringList{d + "ok.class", d + "ok.java", d + "ok.HTML"};
        QTest::newRow("empty file name")
            << QStringList{} << 0 << 0 << "" << QStringList{d + ".java", d + ".HTML"};
        QTest::newRow("unconfined file name")
            << QStringList{"Hello"} << 1 << 0 << "../Hello" << QStringList{d + "Hello.class"};
    }

    void deletionList() {
        QFETCH(QStringList, classNames);
        QFETCH(int, classCount);
        QFETCH(int, keepClasses);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        // javac's output goes last, whatever else does.
        expected << "/b/ClassFiles/javac-output.txt";
        QCOMPARE(
            filesToDelete("/b/ClassFiles/", name, "", classNames, classCount, qint16(keepClasses)),
            expected);
    }

    void packageClassesAndDirectories() {
        const QString d = "/b/ClassFiles/";
        QCOMPARE(packageDirectory("demo.app"), "demo/app/");
        QCOMPARE(packageDirectory(""), "");
        QCOMPARE(packageDirectories(d, "a.b.c"), (QStringList{d + "a/b/c", d + "a/b", d + "a"}));
        QCOMPARE(packageDirectories(d, ""), QStringList{});
        // Class files lie in the package's directory, the copy and the page above it.
        QCOMPARE(filesToDelete(d, "Hello", "demo.app", {"Shape", "Hello"}, 2, 0),
                 (QStringList{d + "demo/app/Shape.class", d + "demo/app/Hello.class",
                              d + "Hello.java", d + "Hello.HTML", d + "javac-output.txt"}));
        QCOMPARE(filesToDelete(d, "Hello", "demo.app", {"Hello"}, 1, 1),
                 (QStringList{d + "Hello.java", d + "Hello.HTML", d + "javac-output.txt"}));
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
