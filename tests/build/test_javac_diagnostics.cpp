// Reading javac's diagnostics back from real javac 17 output, in English and
// in Chinese (LC_ALL=zh_CN.UTF-8, -J-Duser.language=zh).

#include "build/javac_diagnostics.h"

#include <QTest>

using namespace qm::build;

Q_DECLARE_METATYPE(QList<qm::build::Diagnostic>)

namespace {

using List = QList<Diagnostic>;
constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

// -Xlint:all over a source with three errors and four warnings.
const QString kEnglish = QStringLiteral(
    "Bad.java:4: error: incompatible types: String cannot be converted to int\n"
    "        int x = \"hello\";\n"
    "                ^\n"
    "Bad.java:5: warning: [rawtypes] found raw type: List\n"
    "        List raw = new ArrayList();\n"
    "        ^\n"
    "  missing type arguments for generic class List<E>\n"
    "  where E is a type-variable:\n"
    "    E extends Object declared in interface List\n"
    "Bad.java:7: error: incompatible types: int cannot be converted to String\n"
    "        String 名字 = 1;\n"
    "                    ^\n"
    "Bad.java:8: error: cannot find symbol\n"
    "        undefinedCall();\n"
    "        ^\n"
    "  symbol:   method undefinedCall()\n"
    "  location: class Bad\n"
    "Bad.java:11: warning: [deprecation] Date(int,int,int) in Date has been deprecated\n"
    "    void use() { new Date(2020, 1, 1); }\n"
    "                 ^\n"
    "3 errors\n"
    "2 warnings\n");

const QString kChinese = QStringLiteral("Bad.java:4: 错误: 不兼容的类型: String无法转换为int\n"
                                        "        int x = \"hello\";\n"
                                        "                ^\n"
                                        "Bad.java:5: 警告: [rawtypes] 找到原始类型: List\n"
                                        "        List raw = new ArrayList();\n"
                                        "        ^\n"
                                        "  缺少泛型类List<E>的类型参数\n"
                                        "  其中, E是类型变量:\n"
                                        "    E扩展已在接口 List中声明的Object\n"
                                        "Bad.java:8: 错误: 找不到符号\n"
                                        "        undefinedCall();\n"
                                        "        ^\n"
                                        "  符号:   方法 undefinedCall()\n"
                                        "  位置: 类 Bad\n"
                                        "注: 有关详细信息, 请使用 -Xlint:deprecation 重新编译。\n"
                                        "3 个错误\n"
                                        "4 个警告\n");

// javac's candidates for an overloaded call: one line per overload and reason.
QString overloads() {
    QString text = QStringLiteral("N.java:3: error: no suitable method found for println(int,int)\n"
                                  "        System.out.println(1, 2);\n"
                                  "                  ^\n");
    for (const char *type : {"", "boolean", "char", "int", "long", "float"})
        text += QStringLiteral("    method PrintStream.println(%1) is not applicable\n"
                               "      (actual and formal argument lists differ in length)\n")
                    .arg(QLatin1String(type));
    return text + QStringLiteral("1 error\n");
}

} // namespace

class TestJavacDiagnostics : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("file");
        QTest::addColumn<List>("expected");

        QTest::newRow("english errors and warnings")
            << kEnglish << "Bad.java"
            << List{
                   {4, 16, E, "error: incompatible types: String cannot be converted to int"},
                   {5, 8, W,
                    "warning: [rawtypes] found raw type: List\n"
                    "  missing type arguments for generic class List<E>\n"
                    "  where E is a type-variable:\n"
                    "    E extends Object declared in interface List"},
                   {7, 20, E, "error: incompatible types: int cannot be converted to String"},
                   {8, 8, E,
                    "error: cannot find symbol\n"
                    "  symbol:   method undefinedCall()\n"
                    "  location: class Bad"},
                   {11, 17, W,
                    "warning: [deprecation] Date(int,int,int) in Date has been deprecated"},
               };
        QTest::newRow("chinese errors and warnings")
            << kChinese << "Bad.java"
            << List{
                   {4, 16, E, "错误: 不兼容的类型: String无法转换为int"},
                   {5, 8, W,
                    "警告: [rawtypes] 找到原始类型: List\n"
                    "  缺少泛型类List<E>的类型参数\n"
                    "  其中, E是类型变量:\n"
                    "    E扩展已在接口 List中声明的Object"},
                   {8, 8, E, "错误: 找不到符号\n  符号:   方法 undefinedCall()\n  位置: 类 Bad"},
               };
        // The caret line copies the source line's tabs; the column counts characters.
        QTest::newRow("tabs, a space in the file name")
            << "Hello World.java:3: error: ';' expected\n"
               "\t\tint 数 = \"s\"\n"
               "\t\t           ^\n"
               "1 error\n"
            << "Hello World.java" << List{{3, 13, E, "error: ';' expected"}};
        QTest::newRow("windows line ends")
            << "Hello.java:2: 错误: 需要';'\r\n  int x\r\n       ^\r\n1 个错误\r\n"
            << "Hello.java" << List{{2, 7, E, "错误: 需要';'"}};
        QTest::newRow("another file's errors are not ours")
            << "./Helper.java:1: error: illegal start of expression\n"
               "class Helper { static void g() { int x = ; } }\n"
               "                                         ^\n"
               "1 error\n"
            << "Other.java" << List{};
        QTest::newRow("a path before the name")
            << "/home/u/ClassFiles/E.java:2: error: reached end of file while parsing\n"
               "  void f() {\n"
               "            ^\n"
            << "E.java" << List{{2, 12, E, "error: reached end of file while parsing"}};
        QTest::newRow("a name that only ends like ours") << "MyE.java:2: error: x\n a\n ^\n"
                                                         << "E.java" << List{};
        QTest::newRow("long candidate lists are cut")
            << overloads() << "N.java"
            << List{{3, 18, E,
                     "error: no suitable method found for println(int,int)\n"
                     "    method PrintStream.println() is not applicable\n"
                     "      (actual and formal argument lists differ in length)\n"
                     "    method PrintStream.println(boolean) is not applicable\n"
                     "      (actual and formal argument lists differ in length)\n"
                     "    method PrintStream.println(char) is not applicable\n"
                     "      (actual and formal argument lists differ in length)\n"
                     "    method PrintStream.println(int) is not applicable\n"
                     "      (actual and formal argument lists differ in length)\n"
                     "  …"}};
        QTest::newRow("no source line before the next one")
            << "A.java:1: warning: [serial] x\nA.java:2: error: y\n  a\n  ^\n"
            << "A.java" << List{{1, -1, W, "warning: [serial] x"}, {2, 2, E, "error: y"}};
        QTest::newRow("tool errors without a position") << "error: file not found: Hello.java\n"
                                                           "Usage: javac <options> <source files>\n"
                                                           "error: invalid flag: -x\n"
                                                        << "Hello.java" << List{};
        QTest::newRow("notes and a clean build") << "Note: Hello.java uses unchecked or unsafe "
                                                    "operations.\n注: 有关详细信息\n"
                                                 << "Hello.java" << List{};
        QTest::newRow("not a line number")
            << "Hello.java:0: error: a\nHello.java:x: error: b\nHello.java:3 error: c\n"
            << "Hello.java" << List{};
        QTest::newRow("other kinds of message")
            << "Hello.java:3: note: a\nHello.java:3: errors: b\n"
            << "Hello.java" << List{};
        QTest::newRow("empty") << ""
                               << "Hello.java" << List{};
    }

    void parse() {
        QFETCH(QString, output);
        QFETCH(QString, file);
        QFETCH(List, expected);
        const List found = parseJavacDiagnostics(output, file);
        for (qsizetype i = 0; i < qMin(found.size(), expected.size()); ++i) {
            QCOMPARE(found[i].line, expected[i].line);
            QCOMPARE(found[i].column, expected[i].column);
            QCOMPARE(found[i].message, expected[i].message);
            QCOMPARE(found[i].severity, expected[i].severity);
        }
        QCOMPARE(found.size(), expected.size());
    }
};

QTEST_GUILESS_MAIN(TestJavacDiagnostics)
#include "test_javac_diagnostics.moc"
