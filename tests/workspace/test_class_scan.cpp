#include "literal_class_scan.h"
#include "scan_promises.h"
#include "workspace/class_scan.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using namespace qm;

namespace {

// Pieces of Java and of what is typed around it, in random order.
QString randomText(QRandomGenerator &random) {
    static const QStringList pieces{
        "class",
        "class",
        "interface",
        "enum",
        "record",
        "public",
        "public",
        "static",
        "void",
        "main",
        "public static void main",
        "(String[] a)",
        "(String... a)",
        "(String a[])",
        "{",
        "{",
        "}",
        "}",
        ";",
        ".",
        "@",
        "Hello",
        "Shape",
        "My",
        "Box<T>",
        " ",
        " ",
        "\t",
        "\n",
        "\r\n",
        "//",
        "/*",
        "*/",
        "*",
        "\"",
        "'",
        "\"\"\"",
        "\\",
        "1",
        QStringLiteral("你好"),
        QStringLiteral("\U00020000"),
    };
    QString text;
    const int count = random.bounded(0, 40);
    for (int i = 0; i < count; ++i)
        text += pieces[random.bounded(pieces.size())];
    return text;
}

void verifyPromises(const QString &text) {
    const QString broken = testing::brokenScanPromise(text);
    QVERIFY2(broken.isEmpty(),
             qPrintable(broken + ": " + QString::fromLatin1(text.toUtf8().toPercentEncoding())));
}

const QString kMain = QStringLiteral("public static void main(String[] args) {}");

} // namespace

class TestClassScan : public QObject {
    Q_OBJECT
private slots:
    void fileName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileName");

        QTest::newRow("empty editor") << ""
                                      << "";
        QTest::newRow("no type, class in a comment") << "// class Hello {\n"
                                                     << "";
        QTest::newRow("capital Class is no keyword") << "Class X {}"
                                                     << "";
        QTest::newRow("one class") << "public class Hello {}"
                                   << "Hello";
        QTest::newRow("no main: the first type") << "class A {}\nclass B {}"
                                                 << "A";
        QTest::newRow("main in the last class") << "class A {} class B {} class C { " + kMain + " }"
                                                << "C";
        QTest::newRow("public type without main wins")
            << "public class Shapes {}\nclass Run { " + kMain + " }"
            << "Shapes";
        QTest::newRow("of two public types, the one with main")
            << "public class A {}\npublic class B { " + kMain + " }"
            << "B";
        // What reading plain text got wrong.
        QTest::newRow("class in a comment before main")
            << QStringLiteral("public class Loop {\n    // 这个class演示了三种循环的写法\n    ") +
                   kMain + "\n}"
            << "Loop";
        QTest::newRow("classSize field")
            << "class Counter {\n    static int classSize = 3;\n    " + kMain + "\n}"
            << "Counter";
        QTest::newRow("Myclass holding main") << "public class Myclass {\n    " + kMain + "\n}"
                                              << "Myclass";
        QTest::newRow("public interface holding main")
            << "public interface Greeting {\n    static void main(String[] args) {}\n}"
            << "Greeting";
        QTest::newRow("public enum holding main")
            << "public enum Color {\n    RED, GREEN;\n    " + kMain + "\n}"
            << "Color";
        QTest::newRow("record holding main")
            << "interface Shape {}\nrecord Point(int x) implements Shape {\n    " + kMain + "\n}"
            << "Point";
        QTest::newRow("nested class before main")
            << "public class StudentManager {\n    static class Student {}\n    " + kMain + "\n}"
            << "StudentManager";
        QTest::newRow("nested class before main, none public")
            << "class Outer {\n    static class Inner {}\n    " + kMain + "\n}\nclass Other {}"
            << "Outer";
        QTest::newRow("main of a nested class only")
            << "class Helper {}\nclass Outer { static class In { " + kMain + " } }"
            << "Helper";
        QTest::newRow("string holding a class {")
            << "class Banner {\n    String s = \"a class {\";\n    " + kMain + "\n}"
            << "Banner";
        QTest::newRow("braces in character literals")
            << "class A { char c = '{'; char q = '\\''; }\nclass B { " + kMain + " }"
            << "B";
        QTest::newRow("text block holding a class")
            << "class A { String s = \"\"\"\n  class Wrong {\n  \\\"\"\" \"\"\"; }\nclass B { " +
                   kMain + " }"
            << "B";
        QTest::newRow("class literal before main")
            << "class Inventory {\n    Object o = Inventory.class;\n    " + kMain + "\n}"
            << "Inventory";
        QTest::newRow("package and imports first")
            << "package demo.app;\nimport java.util.*;\nclass A {}\nclass App { " + kMain + " }"
            << "App";
        QTest::newRow("generic class") << "public class Box<T> { " + kMain + " }"
                                       << "Box";
        QTest::newRow("digit first is no name") << "class 1st {}"
                                                << "";
        QTest::newRow("ideographic space is no Java white space")
            << QStringLiteral("class\u3000Hello {}") << "";
        QTest::newRow("Chinese name")
            << QStringLiteral("class 你好 { ") + kMain + " }" << QStringLiteral("你好");
        QTest::newRow("letters beyond the first plane")
            << QStringLiteral("class \U00020000\U0002A6D6<T> {}")
            << QStringLiteral("\U00020000\U0002A6D6");
        QTest::newRow("combining marks continue a name")
            << QStringLiteral("class Cafe\u0301s {}") << QStringLiteral("Cafe\u0301s");
        // Of several classes holding main, none public, the one the step-by-step
        // rule named is kept.
        QTest::newRow("two holding main: the exact header's")
            << "class A { static public void main(String[] a) {} }\nclass B { " + kMain + " }"
            << "B";
        QTest::newRow("two holding main: the earlier one's")
            << "class A { " + kMain + " }\nclass B { static public void main(String[] a) {} }"
            << "A";
        QTest::newRow("two holding main, the rule naming neither: the first")
            << "class A { static public void main(String[] a) {} }\n"
               "class B { static public void main(String[] a) {} }\n"
               "// class C { public static void main"
            << "A";
    }

    void fileName() {
        QFETCH(QString, text);
        QFETCH(QString, fileName);
        QCOMPARE(scanMainClass(text).fileName, fileName);
        verifyPromises(text);
    }

    // Headers in class B decide whether B or the first class A names the file.
    void mainHeader_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("isMain");
        QTest::newRow("plain") << "public static void main(String[] args)" << true;
        QTest::newRow("modifiers swapped") << "static public void main(String... a)" << true;
        QTest::newRow("spaces and line breaks")
            << "public  static\n  void\r\n main (\n String [ ] args )" << true;
        QTest::newRow("array after the name") << "public static void main(String args[])" << true;
        QTest::newRow("final and an annotation")
            << "@Override public static synchronized void main(final @SuppressWarnings({\"a\"}) "
               "String[] a)"
            << true;
        QTest::newRow("qualified String")
            << "public static void main(java.lang.String[] a)" << true;
        QTest::newRow("comments inside")
            << "public /* entry */ static void // here\n main(String[] /* args */ a)" << true;
        QTest::newRow("throws") << "public static void main(String[] a) throws Exception" << true;
        QTest::newRow("not static") << "public void main(String[] a)" << false;
        QTest::newRow("not public") << "static void main(String[] a)" << false;
        QTest::newRow("returns int") << "public static int main(String[] a)" << false;
        QTest::newRow("no array") << "public static void main(String a)" << false;
        QTest::newRow("two levels") << "public static void main(String[] a[])" << false;
        QTest::newRow("two parameters") << "public static void main(String[] a, int b)" << false;
        QTest::newRow("no parameter") << "public static void main()" << false;
        QTest::newRow("other type") << "public static void main(Object[] a)" << false;
        QTest::newRow("other name") << "public static void mainly(String[] a)" << false;
        QTest::newRow("in a comment")
            << "// public static void main(String[] a)\n void f()" << false;
        QTest::newRow("modifiers of the member before")
            << "public static int y; void main(String[] a)" << false;
        QTest::newRow("static of an initialiser block")
            << "static {} public void main(String[] a)" << false;
    }

    void mainHeader() {
        QFETCH(QString, header);
        QFETCH(bool, isMain);
        const QString text = "class A {}\nclass B {\n    " + header + " {}\n}";
        QCOMPARE(scanMainClass(text).fileName, isMain ? "B" : "A");
    }

    void classNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("none") << "// class A {\nString s = \"class B {\";" << QStringList{};
        QTest::newRow("top-level and nested, in order, each once")
            << "class Shape { class Node {} }\npublic class Hello { enum State { A } }\n"
               "class Shape {}"
            << QStringList{"Shape", "Node", "Hello", "State"};
        QTest::newRow("local and annotation types")
            << "@interface Marker {}\nclass A { void f() { class Local {} record R() {} } }"
            << QStringList{"Marker", "A", "Local", "R"};
    }

    void classNames() {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        const ClassScan scan = scanMainClass(text);
        QCOMPARE(scan.ClassNames, names);
        QCOMPARE(scan.ClassCount, names.size());
    }

    // While the learner types, what stands around an unfinished comment,
    // string or text block keeps its name.
    void unfinishedTextKeepsTheName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileName");
        const QString helper = QStringLiteral("class Helper {}\n");
        QTest::newRow("string") << helper + "class Hello {\n    String s = \"class X {\n    " +
                                       kMain + "\n}"
                                << "Hello";
        QTest::newRow("string ending in a backslash")
            << helper + "class Hello {\n    String s = \"a\\\n    " + kMain + "\n}"
            << "Hello";
        QTest::newRow("character literal")
            << helper + "class Hello {\n    char c = '{\n    " + kMain + "\n}"
            << "Hello";
        QTest::newRow("block comment above the class")
            << "/* 第一章作业\n * 这个 class 用来\n" + helper + "class Hello {\n    " + kMain +
                   "\n}"
            << "Hello";
        QTest::newRow("block comment inside the class")
            << helper + "class Hello {\n    " + kMain + "\n    /* class notes {\n}"
            << "Hello";
        QTest::newRow("text block") << helper +
                                           "class Hello {\n    String s = \"\"\"\n"
                                           "        text\n    " +
                                           kMain + "\n}"
                                    << "Hello";
        QTest::newRow("comment closed far below swallows what is between")
            << "/* note\nclass Hello {}\n*/ class After {}"
            << "After";
    }

    void unfinishedTextKeepsTheName() {
        QFETCH(QString, text);
        QFETCH(QString, fileName);
        QCOMPARE(scanMainClass(text).fileName, fileName);
    }

    void keepsItsPromisesOnRandomTexts() {
        QRandomGenerator random(20240604);
        for (int i = 0; i < 20000; ++i) {
            verifyPromises(randomText(random));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void longNamesAreCut() {
        const QString wide = QStringLiteral("class ") + QString(300, QChar(0x4f60)) + " {}";
        QCOMPARE(scanMainClass(wide).fileName, QString(build::kMaxTypeNameLength, QChar(0x4f60)));
    }

    // Every stretch of the text is read once, also where the step-by-step
    // rule's name is needed.
    void scanIsLinear() {
        const QString pasted = QString(QStringLiteral("class")).repeated(200000) + "{";
        QString holders;
        for (int i = 0; i < 5000; ++i)
            holders += QStringLiteral("class C%1 { /* class */ static public void main(String[] "
                                      "a) {} }\n")
                           .arg(i);
        for (const QString &text : {pasted, holders, QString("/*").repeated(200000),
                                    QString("\"\"\"\n").repeated(100000)}) {
            QElapsedTimer clock;
            clock.start();
            scanMainClass(text);
            QVERIFY2(clock.elapsed() < 2000, qPrintable(text.left(40)));
        }
        QCOMPARE(scanMainClass(holders).fileName, QStringLiteral("C0"));
    }
};

QTEST_APPLESS_MAIN(TestClassScan)
#include "test_class_scan.moc"
