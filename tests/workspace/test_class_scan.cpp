#include "literal_class_scan.h"
#include "workspace/class_scan.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace qm;

namespace {

QString randomText(QRandomGenerator &random) {
    static const QStringList pieces{
        "class",
        "class",
        "{",
        "{",
        "public static void main",
        "Class",
        "Hello",
        "Shape",
        "My",
        "Box<T>",
        "x",
        " ",
        " ",
        "  ",
        "\t",
        "\r",
        "\n",
        "\r\n",
        "}",
        "public static  void main",
        "sub",
        "(",
        "es",
        "//",
        "<T>",
        QStringLiteral("\U00020000"),
    };
    QString text;
    const int count = random.bounded(0, 40);
    for (int i = 0; i < count; ++i)
        text += pieces[random.bounded(pieces.size())];
    return text;
}

void compareWithReference(const QString &text) {
    const ClassScan fast = scanMainClass(text);
    const ClassScan reference = literal::keptNames(literal::scanMainClass(text));
    const QByteArray where = text.toUtf8().toPercentEncoding();
    QVERIFY2(fast.fileName == reference.fileName, where.constData());
    QVERIFY2(fast.ClassCount == reference.ClassCount, where.constData());
    QVERIFY2(fast.ClassNames == reference.ClassNames, where.constData());
    // The editor's own UTF-8 bytes give the same result.
    const ClassScan bytes = scanMainClassUtf8(text.toUtf8());
    QVERIFY2(bytes.fileName == fast.fileName, where.constData());
    QVERIFY2(bytes.ClassNames == fast.ClassNames, where.constData());
}

} // namespace

class TestClassScan : public QObject {
    Q_OBJECT
private slots:
    void scan_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("names");

        const QStringList none;
        QTest::newRow("empty editor") << ""
                                      << "" << none;
        QTest::newRow("capital Class does not count") << "Class X {}"
                                                      << "" << none;
        QTest::newRow("one class") << "public class Hello {}"
                                   << "Hello" << QStringList{"Hello"};
        QTest::newRow("Shape, then Hello with main")
            << "class Shape {\r\n int x;\r\n}\r\npublic class Hello {\r\n"
               "  public static void main(String[] a) {}\r\n}\r\n"
            << "Hello" << QStringList{"Shape", "Hello"};
        QTest::newRow("no main: the first class wins") << "class A {}\nclass B {}\nclass C {}"
                                                       << "A" << QStringList{"A", "B", "C"};
        QTest::newRow("main in the last class")
            << "class A {} class B {} class C { public static void main(String[] a){} }"
            << "C" << QStringList{"A", "B", "C"};
        QTest::newRow("a header before a class is not its own")
            << "public static void main\nclass A {} class B { public static void main }"
            << "B" << QStringList{"A", "B"};
        QTest::newRow("main in a comment counts")
            << "class A {}\nclass B {} // public static void main\nclass C {}"
            << "B" << QStringList{"A", "B", "C"};
        QTest::newRow("header with two spaces is not one")
            << "class A {}\nclass B { public static  void main(String[] a) {} }"
            << "A" << QStringList{"A", "B"};
        QTest::newRow("header split across lines is not one")
            << "class A {}\nclass B { public static\nvoid main(String[] a) {} }"
            << "A" << QStringList{"A", "B"};
        QTest::newRow("extends and implements are cut off")
            << "public class Hello extends Applet implements Runnable {"
            << "Hello" << QStringList{"Hello"};
        QTest::newRow("class right before the brace") << "public class{ }"
                                                      << "" << QStringList{""};
        QTest::newRow("class right before the brace after a chosen one")
            << "class A {} class{} class C {}"
            << "A" << QStringList{"A", "", ""};
        QTest::newRow("no brace at all") << "class A"
                                         << "" << QStringList{""};
        QTest::newRow("no brace after a later one") << "class A {} class B class C"
                                                    << "A" << QStringList{"A", "", ""};
        QTest::newRow("name runs to the next brace over another class")
            << "class A class B {"
            << "A" << QStringList{"A", "B"};
        QTest::newRow("Myclass holding main empties the field")
            << "public class Myclass {\n public static void main(String[] a) {}\n}"
            << "" << QStringList{"Myclass", ""};
        QTest::newRow("class inside a word before a line break")
            << "// a subclass of\nclass A {}"
            << "ofclass" << QStringList{"ofclass", "A"};
        QTest::newRow("classclass") << "classclass{"
                                    << "class" << QStringList{"class", ""};
        QTest::newRow("a tab before the name is white space") << "class\tTab {}"
                                                              << "Tab" << QStringList{"Tab"};
        QTest::newRow("line breaks before the name go") << "class\r\n  Foo\r\n{"
                                                        << "Foo" << QStringList{"Foo"};
        QTest::newRow("a line break inside the name goes") << "class Fo\r\no {"
                                                           << "Foo" << QStringList{"Foo"};
        QTest::newRow("generic cut to its identifier") << "public class Box<T> {}"
                                                       << "Box" << QStringList{"Box"};
        QTest::newRow("generic with a space inside") << "class Map<K, V> {}"
                                                     << "Map" << QStringList{"Map"};
        QTest::newRow("name of spaces only") << "class   {}"
                                             << "" << QStringList{""};
        QTest::newRow("comment right after the name")
            << "public class Hello// entry point\n{\n public static void main(String[] a) {}\n}"
            << "Hello" << QStringList{"Hello"};
        QTest::newRow("generic parameters with their bounds")
            << "class Currier<ARG1, ARG2> { public static void main(String[] a) {} }"
            << "Currier" << QStringList{"Currier"};
        QTest::newRow("tab between the name and extends") << "class Dog\textends Animal {}"
                                                          << "Dog" << QStringList{"Dog"};
        QTest::newRow("digit first is no identifier") << "class 1st {}"
                                                      << "" << QStringList{""};
        QTest::newRow("only punctuation") << "class <T> {}"
                                          << "" << QStringList{""};
        QTest::newRow("ideographic space is no Java white space")
            << QStringLiteral("class\u3000Hello {}") << "" << QStringList{""};
        QTest::newRow("dollar, underscore and digits") << "class $Money_2 {}"
                                                       << "$Money_2" << QStringList{"$Money_2"};
        QTest::newRow("Chinese generic")
            << QStringLiteral("class 盒子<T> {}") << QStringLiteral("盒子")
            << QStringList{QStringLiteral("盒子")};
        QTest::newRow("letters beyond the first plane")
            << QStringLiteral("class \U00020000\U0002A6D6<T> {}")
            << QStringLiteral("\U00020000\U0002A6D6")
            << QStringList{QStringLiteral("\U00020000\U0002A6D6")};
        QTest::newRow("combining marks continue a name")
            << QStringLiteral("class Cafe\u0301s {}") << QStringLiteral("Cafe\u0301s")
            << QStringList{QStringLiteral("Cafe\u0301s")};
        QTest::newRow("non-ASCII name") << QStringLiteral("class 你好 {}") << QStringLiteral("你好")
                                        << QStringList{QStringLiteral("你好")};
    }

    void scan() {
        QFETCH(QString, text);
        QFETCH(QString, fileName);
        QFETCH(QStringList, names);
        const ClassScan result = scanMainClass(text);
        QCOMPARE(result.fileName, fileName);
        QCOMPARE(result.ClassCount, names.size());
        QCOMPARE(result.ClassNames, names);

        const ClassScan reference = literal::keptNames(literal::scanMainClass(text));
        QCOMPARE(reference.fileName, fileName);
        QCOMPARE(reference.ClassNames, names);
    }

    void agreesWithTheStepByStepScanOnRandomTexts() {
        QRandomGenerator random(20240604);
        for (int i = 0; i < 20000; ++i) {
            compareWithReference(randomText(random));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void agreesOnALongSourceWithManyClasses() {
        QRandomGenerator random(7);
        QString text;
        for (int i = 0; i < 400; ++i)
            text += randomText(random) + QStringLiteral("\r\n");
        compareWithReference(text);
    }

    void pastedRunWithoutSpacesStaysBounded() {
        // 1 MiB of "classclass...{": every occurrence reaches the same brace.
        const QString text =
            QString(QStringLiteral("class")).repeated(200000) + QStringLiteral("{");
        QElapsedTimer clock;
        clock.start();
        const ClassScan scan = scanMainClass(text);
        QCOMPARE(scan.ClassCount, 200000);
        QCOMPARE(scan.fileName.size(), kMaxNameLength);
        QVERIFY(scan.fileName.startsWith(QStringLiteral("classclass")));
        QCOMPARE(scan.ClassNames.last(), QString()); // nothing between the last one and "{"
        QVERIFY2(clock.elapsed() < 5000, "the scan copied far more than the names");
        const QString wide = QStringLiteral("class ") + QString(300, QChar(0x4f60)) + " {}";
        QCOMPARE(scanMainClassUtf8(wide.toUtf8()).fileName, QString(kMaxNameLength, QChar(0x4f60)));
        // Names within the limit are exactly what the step-by-step scan gives.
        compareWithReference(QStringLiteral("class ") + QString(255, QLatin1Char('x')) + " {}");
    }
};

QTEST_APPLESS_MAIN(TestClassScan)
#include "test_class_scan.moc"
