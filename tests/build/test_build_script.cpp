// The generated script, page and deletion list, as text.

#include "build/build_script.h"
#include "build/clean_up.h"
#include "startup/platform/shell_quote.h"

#include <QTest>

using namespace qm::build;
using qm::BuildKind;
using qm::platform::ScriptKind;

class TestBuildScript : public QObject {
    Q_OBJECT

private slots:
    void batchBytes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("compType");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray head =
            "@echo off\r\n"
            "D:\r\n"
            "cd D:\\MyJava\\ClassFiles\r\n"
            "echo ------------\xe7\xbc\x96\xe8\xaf\x91\xe4\xb8\xad...------------\r\n";
        // javac's status is kept before "type" shows its output.
        const QByteArray done = "set compiled=%ERRORLEVEL%\r\n"
                                "type javac-output.txt\r\n"
                                "echo ----------\xe7\xbc\x96\xe8\xaf\x91+\xe8\xbf\x90\xe8\xa1\x8c"
                                "\xe5\xae\x8c\xe6\x88\x90----------\r\n"
                                "if not \"%compiled%\"==\"0\" goto done\r\n";
        const QByteArray tail = ":done\r\npause\r\n";
        QTest::newRow("standard") << "D:\\MyJava"
                                  << "Hello" << 0
                                  << head + "javac Hello.java > javac-output.txt 2>&1\r\n" + done +
                                         "java Hello\r\n" + tail;
        QTest::newRow("applet") << "D:\\MyJava"
                                << "Hello" << 1
                                << head + "javac Hello.java > javac-output.txt 2>&1\r\n" + done +
                                       "appletviewer Hello.HTML\r\n" + tail;
        QTest::newRow("empty name")
            << "D:\\MyJava"
            << "" << 0
            << head + "javac .java > javac-output.txt 2>&1\r\n" + done + "java \r\n" + tail;
    }

    void batchBytes() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(int, compType);
        QFETCH(QByteArray, expected);
        const QStringList lines = batchScriptLines(path, name, BuildKind(compType));
        QCOMPARE(textFileBytes(lines, ScriptKind::Batch), expected);
    }

    void posixLines_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("compType");
        QTest::addColumn<QString>("runLine");
        QTest::newRow("standard") << "/home/u/MyJava/ClassFiles"
                                  << "Hello" << 0
                                  << "if [ \"$compiled\" -eq 0 ]; then java 'Hello'; fi";
        QTest::newRow("applet") << "/home/u/MyJava/ClassFiles"
                                << "Hello" << 1
                                << "if [ \"$compiled\" -eq 0 ]; then appletviewer 'Hello.HTML'; fi";
    }

    void posixLines() {
        QFETCH(QString, directory);
        QFETCH(QString, name);
        QFETCH(int, compType);
        QFETCH(QString, runLine);
        const QStringList expected{
            "#!/bin/bash",
            "cd '/home/u/MyJava/ClassFiles'",
            "echo '------------编译中...------------'",
            "javac -encoding UTF-8 'Hello.java' 2>&1 | tee javac-output.txt",
            "compiled=${PIPESTATUS[0]}",
            "echo '----------编译+运行完成----------'",
            runLine,
            "echo -n '请按任意键继续. . .'",
            "read -r -s -n 1",
        };
        QCOMPARE(posixScriptLines(directory, name, BuildKind(compType)), expected);
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
        QCOMPARE(appletPageLines("Hello", qint16(height), qint16(width)), expected);
    }

    void deletionList_data() {
        QTest::addColumn<QStringList>("classNames");
        QTest::addColumn<int>("classCount");
        QTest::addColumn<int>("keepClasses");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        const QString d = "/b/ClassFiles/";
        const QString out = d + "javac-output.txt";
        QTest::newRow("scanned names in order")
            << QStringList{"Shape", "Hello"} << 2 << 0 << "Hello"
            << QStringList{d + "Shape.class", d + "Hello.class", d + "Hello.java", d + "Hello.HTML",
                           out};
        QTest::newRow("kept classes") << QStringList{"Shape", "Hello"} << 2 << 1 << "Hello"
                                      << QStringList{d + "Hello.java", d + "Hello.HTML", out};
        QTest::newRow("any non-zero keeps") << QStringList{"Hello"} << 1 << -1 << "Hello"
                                            << QStringList{d + "Hello.java", d + "Hello.HTML", out};
        QTest::newRow("empty and unreached entries")
            << QStringList{"", "A"} << 4 << 0 << "A"
            << QStringList{d + "A.class", d + "A.java", d + "A.HTML", out};
        QTest::newRow("names leaving the directory")
            << QStringList{"../../x", "a\\b", ".", "..", "ok"} << 5 << 0 << "ok"
            << QStringList{d + "ok.class", d + "ok.java", d + "ok.HTML", out};
        QTest::newRow("empty file name")
            << QStringList{} << 0 << 0 << "" << QStringList{d + ".java", d + ".HTML", out};
        QTest::newRow("unconfined file name")
            << QStringList{"Hello"} << 1 << 0 << "../Hello" << QStringList{d + "Hello.class", out};
    }

    void deletionList() {
        QFETCH(QStringList, classNames);
        QFETCH(int, classCount);
        QFETCH(int, keepClasses);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        QCOMPARE(filesToDelete("/b/ClassFiles/", name, classNames, classCount, qint16(keepClasses)),
                 expected);
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
    }

    void nameConfinement() {
        QFETCH(QString, name);
        QFETCH(bool, confined);
        QCOMPARE(nameIsConfined(name), confined);
    }
};

QTEST_GUILESS_MAIN(TestBuildScript)
#include "test_build_script.moc"
