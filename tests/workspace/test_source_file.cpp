#include "workspace/source_file.h"

#include <QStringEncoder>
#include <QtTest>

using namespace qm;

class TestSourceFile : public QObject {
    Q_OBJECT
private slots:
    void cut_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("trailing blank lines") << "class A {\n}\n\n\n"
                                              << "class A {\n}";
        QTest::newRow("trailing comment") << "class A {}\n// done\n"
                                          << "class A {}";
        QTest::newRow("brace inside trailing comment wins") << "class A {}\n// }x"
                                                            << "class A {}\n// }";
        QTest::newRow("no brace kept whole") << "just text\n"
                                             << "just text\n";
        QTest::newRow("ends with brace") << "{}"
                                         << "{}";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("chinese after the brace") << "class 你 {}\n// 注释}尾巴"
                                                 << "class 你 {}\n// 注释}";
    }

    void cut() {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        const QByteArray utf8 = text.toUtf8();
        QCOMPARE(QString::fromUtf8(cutAfterLastBrace(utf8)), kept);
    }

    void paths_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // "" means refused
        QTest::newRow("plain") << "/src"
                               << "Hello"
                               << "/src/Hello.java";
        QTest::newRow("empty name") << "/src"
                                    << ""
                                    << "/src/None_Name.java";
        QTest::newRow("home expanded") << "~/j"
                                       << "A" << QDir::homePath() + "/j/A.java";
        QTest::newRow("trailing separator doubled") << "/src/"
                                                    << "A"
                                                    << "/src//A.java";
        QTest::newRow("slash in name") << "/src"
                                       << "../evil"
                                       << "";
        QTest::newRow("backslash in name") << "/src"
                                           << "a\\b"
                                           << "";
        QTest::newRow("name with spaces kept") << "/src"
                                               << "My Class"
                                               << "/src/My Class.java";
        // A file name takes 255 bytes, ".java" included.
        const QString longest(250, QLatin1Char('x'));
        QTest::newRow("longest name") << "/src" << longest << "/src/" + longest + ".java";
        QTest::newRow("a byte too long") << "/src" << longest + "x"
                                         << "";
        QTest::newRow("NUL in name") << "/src" << QString("a") + QChar(0) << "";
    }

    void paths() {
        QFETCH(QString, dir);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const auto path = sourcePath(dir, name);
        QCOMPARE(path.value_or(QString()), expected);
    }

    void question() {
        QCOMPARE(saveQuestion("/home/u/MyJava", "Hello"),
                 QStringLiteral("将改动保存到 /home/u/MyJava/Hello.java？"));
        QCOMPARE(saveQuestion("/d", ""), QStringLiteral("将改动保存到 /d/.java？"));
    }

    void decoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("class A {}") << "class A {}";
        QTest::newRow("utf-8 chinese") << QString("\"你好\"").toUtf8() << "\"你好\"";
        QTest::newRow("utf-8 bom dropped") << QByteArray("\xEF\xBB\xBFx") << "x";
        QTest::newRow("gb18030") << QByteArray("\"\xC4\xE3\xBA\xC3\"") << "\"你好\"";
        QTest::newRow("nul kept") << QByteArray("a\0b\0", 4) << QString::fromUtf8("a\0b\0", 4);
        QTest::newRow("crlf file") << QByteArray("class A {\r\n}\r\n") << "class A {\n}\n";
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd\r") << "a\nb\nc\nd\n";
        QTest::newRow("gb18030 with crlf") << QByteArray("\xC4\xE3\r\n\xBA\xC3\r\n") << "你\n好\n";
    }

    void decoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeSource(bytes), text);
    }

    void lineEnds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lineEnd");
        QTest::addColumn<QString>("uniform");
        QTest::newRow("crlf to lf") << "a\r\nb\r\n"
                                    << "\n"
                                    << "a\nb\n";
        QTest::newRow("lone cr to lf") << "a\rb"
                                       << "\n"
                                       << "a\nb";
        QTest::newRow("cr cr lf is two line ends") << "a\r\r\nb"
                                                   << "\n"
                                                   << "a\n\nb";
        QTest::newRow("lf cr is two line ends") << "a\n\rb"
                                                << "\n"
                                                << "a\n\nb";
        QTest::newRow("lf to crlf") << "a\nb\r\nc"
                                    << "\r\n"
                                    << "a\r\nb\r\nc";
        QTest::newRow("no line end") << "abc"
                                     << "\r\n"
                                     << "abc";
    }

    void lineEnds() {
        QFETCH(QString, text);
        QFETCH(QString, lineEnd);
        QFETCH(QString, uniform);
        QCOMPARE(withLineEnds(text, lineEnd), uniform);
    }

    void gb18030RoundTripsThroughUtf8() {
        const QString original = QStringLiteral("public class 你好 {\n  // 编译器€\n}");
        QStringEncoder gb("GB18030");
        const QByteArray fromWindows = gb(original);
        const QString opened = decodeSource(fromWindows);
        QCOMPARE(opened, original);
        const QByteArray saved = encodeSource(opened);
        QCOMPARE(decodeSource(saved), original + "\n");
        QVERIFY(!decodeSource(saved).contains(QChar::ReplacementCharacter));
    }
};

QTEST_GUILESS_MAIN(TestSourceFile)
#include "test_source_file.moc"
