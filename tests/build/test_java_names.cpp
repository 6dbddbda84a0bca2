// Java identifiers as the scan cuts them, and the package a source declares.

#include "build/java_names.h"

#include <QTest>

using namespace qm::build;

class TestJavaNames : public QObject {
    Q_OBJECT

private slots:
    void leadingIdentifier_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("plain") << "Hello"
                               << "Hello";
        QTest::newRow("generic") << "Box<T>"
                                 << "Box";
        QTest::newRow("generic list") << "Currier<ARG1,"
                                      << "Currier";
        QTest::newRow("comment") << "Hello//"
                                 << "Hello";
        QTest::newRow("leading tab and form feed") << "\t\fHello"
                                                   << "Hello";
        QTest::newRow("tab inside ends it") << "Dog\textends"
                                            << "Dog";
        QTest::newRow("digit first") << "1st"
                                     << "";
        QTest::newRow("digits after") << "Point3D"
                                      << "Point3D";
        QTest::newRow("dollar and underscore") << "$_a$1"
                                               << "$_a$1";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("punctuation only") << "<T>"
                                          << "";
        QTest::newRow("Chinese") << QStringLiteral("成绩单<T>") << QStringLiteral("成绩单");
        QTest::newRow("ideographic space is not skipped") << QStringLiteral("\u3000Hello") << "";
        QTest::newRow("full-width brackets end it")
            << QStringLiteral("学生（一）") << QStringLiteral("学生");
        QTest::newRow("supplementary letters")
            << QStringLiteral("\U00020000x<") << QStringLiteral("\U00020000x");
        QTest::newRow("lone surrogate ends it") << QString("ab") + QChar(0xD800) + "c"
                                                << "ab";
        QTest::newRow("combining mark")
            << QStringLiteral("e\u0301t\u00e9") << QStringLiteral("e\u0301t\u00e9");
        QTest::newRow("combining mark cannot start") << QStringLiteral("\u0301e") << "";
    }

    void leadingIdentifier() {
        QFETCH(QString, text);
        QFETCH(QString, identifier);
        QCOMPARE(leadingJavaIdentifier(text), identifier);
    }

    void declaredPackage_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("package");
        const QString body = "\npublic class Hello {}\n";
        QTest::newRow("none") << "public class Hello {}"
                              << "";
        QTest::newRow("empty text") << ""
                                    << "";
        QTest::newRow("simple") << "package demo.app;" + body << "demo.app";
        QTest::newRow("one word") << "package lab;" + body << "lab";
        QTest::newRow("CRLF and indent") << "\r\n  \tpackage lab.week3;\r\n" + body << "lab.week3";
        QTest::newRow("byte-order mark") << QStringLiteral("\ufeffpackage a.b;") + body << "a.b";
        QTest::newRow("line comment first")
            << "// Homework 3\n// package wrong;\npackage right;" + body << "right";
        QTest::newRow("block comments first")
            << "/* package wrong; */ /** doc\n * package wrong2;\n */\npackage right.one;" + body
            << "right.one";
        QTest::newRow("comment closed at once") << "/**/package a;" + body << "a";
        QTest::newRow("spaces and comments inside")
            << "package com . example /* x */ . hw // y\n ;" + body << "com.example.hw";
        QTest::newRow("Chinese") << QStringLiteral("package 作业.第一章;") + body
                                 << QStringLiteral("作业.第一章");
        QTest::newRow("digits and dollar") << "package lab2.$x_1;" + body << "lab2.$x_1";
        QTest::newRow("in a string only") << "public class A { String s = \"package a;\"; }"
                                          << "";
        QTest::newRow("after an import") << "import java.util.*;\npackage a;" + body << "";
        QTest::newRow("after the class") << "class A {}\npackage a;"
                                         << "";
        QTest::newRow("comment left open") << "/* package a;"
                                           << "";
        QTest::newRow("no semicolon") << "package a.b" + body << "";
        QTest::newRow("packages is another word") << "packages a;" + body << "";
        QTest::newRow("dots only") << "package ..;" + body << "";
        QTest::newRow("leading dot") << "package .a;" + body << "";
        QTest::newRow("trailing dot") << "package a.;" + body << "";
        QTest::newRow("double dot") << "package a..b;" + body << "";
        QTest::newRow("slashes") << "package a/b;" + body << "";
        QTest::newRow("backslash") << "package a\\b;" + body << "";
        QTest::newRow("underscores") << "package a.__.b;" + body << "a.__.b";
        QTest::newRow("digit first") << "package 1a;" + body << "";
        QTest::newRow("star") << "package a.*;" + body << "";
        QTest::newRow("nothing after package") << "package"
                                               << "";
    }

    void declaredPackage() {
        QFETCH(QString, source);
        QFETCH(QString, package);
        QCOMPARE(qm::build::declaredPackage(source), package);
    }

    void declaredTypes_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("types");
        QTest::newRow("none") << "" << QStringList{};
        QTest::newRow("kinds of types")
            << "interface Priced {}\nenum Drink implements Priced { TEA }\n"
               "record Point(int x) {}\n@interface Marker {}\npublic class Shop {}"
            << QStringList{"Priced", "Drink", "Point", "Marker", "Shop"};
        QTest::newRow("nested and generic")
            << "public class Box<T> { static class Node<E> {} private enum State { A } }"
            << QStringList{"Box", "Node", "State"};
        QTest::newRow("modifiers between") << "public final class A {} sealed interface B {} "
                                              "non-sealed class C {}"
                                           << QStringList{"A", "B", "C"};
        QTest::newRow("class literals declare nothing")
            << "class Inventory { Logger l = Logger.getLogger(Inventory.class.getName());"
               " Class<?> c = int[] .class; }"
            << QStringList{"Inventory"};
        QTest::newRow("comments and strings")
            << "// class Wrong1\n/* class Wrong2 */ class Right { String s = \"class Wrong3\";"
               " char q = '\\''; char c = '\"'; String t = \"\\\" class Wrong4\"; }"
            << QStringList{"Right"};
        QTest::newRow("text block")
            << "class Demo { String s = \"\"\"\n  class Wrong {\n  \\\"\"\" still\n\"\"\"; }\n"
               "class After {}"
            << QStringList{"Demo", "After"};
        QTest::newRow("record as a plain word")
            << "class R { int record = 1; void f() { record = record(2); } record P() {} }"
            << QStringList{"R", "P"};
        QTest::newRow("each once") << "class A {} class A {}" << QStringList{"A"};
        QTest::newRow("Chinese") << QStringLiteral("class 成绩单 {} enum 等级 { 优 }")
                                 << QStringList{QStringLiteral("成绩单"), QStringLiteral("等级")};
        QTest::newRow("word inside a longer one")
            << "class Myclass { int subclass; }" << QStringList{"Myclass"};
        QTest::newRow("comment left open") << "class A {} /* class B" << QStringList{"A"};
        QTest::newRow("string left open")
            << "class A { String s = \"class B\n; } class C {}" << QStringList{"A", "C"};
    }

    void declaredTypes() {
        QFETCH(QString, source);
        QFETCH(QStringList, types);
        QCOMPARE(declaredTypeNames(source), types);
    }

    void packageLengthIsBounded() {
        QString deep = "a";
        while (deep.size() < kMaxPackageLength - 2)
            deep += ".b";
        QCOMPARE(qm::build::declaredPackage("package " + deep + ";"), deep);
        QCOMPARE(qm::build::declaredPackage("package " + deep + ".cd;"), QString());
        // A long run of comments before it is read once.
        const QString comments = QString("/* x */").repeated(200000);
        QCOMPARE(qm::build::declaredPackage(comments + "package a;"), "a");
    }
};

QTEST_APPLESS_MAIN(TestJavaNames)
#include "test_java_names.moc"
