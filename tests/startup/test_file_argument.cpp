#include "startup/initialisation.h"

#include <QtTest>

using namespace qm;

class TestFileArgument : public QObject {
    Q_OBJECT
private slots:
    void fileToOpen_data() {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<QString>("file");          // "" for none
        QTest::newRow("no argument") << QStringList{} << "";
        QTest::newRow("one source") << QStringList{"Hello.java"} << "Hello.java";
        QTest::newRow("chinese path with a space")
            << QStringList{"/home/学生/我的 作业/Test.java"} << "/home/学生/我的 作业/Test.java";
        QTest::newRow("second file ignored") << QStringList{"A.java", "B.java"} << "A.java";
        QTest::newRow("options skipped")
            << QStringList{"--verbose", "-x", "A.java", "--late"} << "A.java";
        QTest::newRow("only options") << QStringList{"--help", "-"} << "";
        QTest::newRow("double dash ends options")
            << QStringList{"--", "-odd.java", "B.java"} << "-odd.java";
        QTest::newRow("lone double dash") << QStringList{"--"} << "";
        QTest::newRow("empty argument opens nothing") << QStringList{"", "A.java"} << "";
        QTest::newRow("file url becomes its path")
            << QStringList{"file:///tmp/%E4%BD%A0%E5%A5%BD%20A.java"} << "/tmp/你好 A.java";
        QTest::newRow("file url without a path") << QStringList{"file://"} << "";
    }

    void fileToOpen() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const auto found = fileArgument(QStringList{"quillmoss-java"} + arguments);
        QCOMPARE(found.value_or(QString()), file);
        QCOMPARE(found.has_value(), !file.isEmpty());
    }

    void programNameIsNeverTheFile() {
        QVERIFY(!fileArgument({"/usr/bin/quillmoss-java"}));
        QVERIFY(!fileArgument({}));
    }
};

QTEST_GUILESS_MAIN(TestFileArgument)
#include "test_file_argument.moc"
