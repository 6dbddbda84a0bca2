// The explanation table: javac's messages in English and in Chinese and the
// exceptions learners' programs throw find their line, the narrower entries
// before the wider ones; anything else finds none.
#include "build/explanations.h"

#include <QTest>

using namespace qm::build;

namespace {

Diagnostic error(const QString &message) {
    return {3, -1, Severity::Error, message};
}

} // namespace

class TestExplanations : public QObject {
    Q_OBJECT

private slots:
    void tableIsWhole() {
        QVERIFY(explanations().size() >= 35);
        for (const Explanation &entry : explanations()) {
            QVERIFY2(!entry.explanation.isEmpty(), qPrintable(entry.key));
            QVERIFY2(entry.isException() || !entry.chinese.isEmpty(), qPrintable(entry.key));
        }
    }

    void templates_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("matches");
        QTest::newRow("plain") << "unclosed comment"
                               << "unclosed comment" << true;
        QTest::newRow("plain, more after") << "unclosed comment"
                                           << "unclosed comment here" << false;
        QTest::newRow("filled first") << "{0} expected"
                                      << "';' expected" << true;
        QTest::newRow("filled, wrong tail") << "{0} expected"
                                            << "';' expected here" << false;
        QTest::newRow("quotes") << "''else'' without ''if''"
                                << "'else' without 'if'" << true;
        QTest::newRow("several") << "{0} {1} is already defined in {2} {3}"
                                 << "variable x is already defined in method main(String[])"
                                 << true;
        QTest::newRow("several, one missing") << "{0} {1} is already defined in {2} {3}"
                                              << "variable x is defined in method main" << false;
        QTest::newRow("Chinese, filled last") << "需要{0}"
                                              << "需要';'" << true;
        QTest::newRow("ends in a placeholder") << "incompatible types: {0}"
                                               << "incompatible types: String cannot be "
                                                  "converted to int"
                                               << true;
    }

    void templates() {
        QFETCH(QString, pattern);
        QFETCH(QString, message);
        QFETCH(bool, matches);
        QCOMPARE(matchesTemplate(pattern, message), matches);
    }

    void javacMessages_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("words"); // in the explanation; "" for none
        QTest::newRow("semicolon") << "error: ';' expected"
                                   << "分号";
        QTest::newRow("semicolon, Chinese") << "错误: 需要';'"
                                            << "分号";
        QTest::newRow("symbol, with details") << "错误: 找不到符号\n  符号:   变量 x\n  位置: 类 A"
                                              << "import";
        QTest::newRow("class expected, not a symbol")
            << "error: class, interface, enum, or record expected"
            << "多了一个右大括号";
        QTest::newRow("lossy, before any incompatible type")
            << "error: incompatible types: possible lossy conversion from double to int"
            << "强制转换";
        QTest::newRow("lossy, Chinese") << "错误: 不兼容的类型: 从double转换到int可能会有损失"
                                        << "强制转换";
        QTest::newRow("incompatible") << "error: incompatible types: String cannot be converted "
                                         "to int"
                                      << "Integer.parseInt";
        QTest::newRow("return in void") << "错误: 不兼容的类型: 意外的返回值"
                                        << "void";
        QTest::newRow("Chinese punctuation") << "错误: 非法字符: '\\uff1b'"
                                             << "中文标点";
        QTest::newRow("public class in another file")
            << "错误: 类 Greeting 是公共的, 应在名为 Greeting.java 的文件中声明"
            << "类名";
        QTest::newRow("warning without an entry") << "warning: [removal] Integer(int) in Integer "
                                                     "has been deprecated"
                                                  << "";
        QTest::newRow("unknown") << "error: something javac never says"
                                 << "";
    }

    void javacMessages() {
        QFETCH(QString, message);
        QFETCH(QString, words);
        const QString found = explain(error(message));
        if (words.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(found.contains(words), qPrintable(found));
    }

    void exceptions_data() {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("words");
        QTest::newRow("index") << "java.lang.ArrayIndexOutOfBoundsException"
                               << "Index 5 out of bounds for length 5"
                               << "length - 1";
        QTest::newRow("null") << "java.lang.NullPointerException"
                              << "Cannot invoke \"String.length()\" because \"name\" is null"
                              << "null";
        QTest::newRow("Scanner") << "java.util.InputMismatchException"
                                 << ""
                                 << "整数";
        QTest::newRow("by zero") << "java.lang.ArithmeticException"
                                 << "/ by zero"
                                 << "除数";
        QTest::newRow("other arithmetic") << "java.lang.ArithmeticException"
                                          << "BigInteger divide by zero"
                                          << "";
        QTest::newRow("learner's own") << "MyException"
                                       << "oops"
                                       << "";
    }

    void exceptions() {
        QFETCH(QString, className);
        QFETCH(QString, message);
        QFETCH(QString, words);
        const QString found = explainException(className, message);
        if (words.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(found.contains(words), qPrintable(found));
    }
};

QTEST_GUILESS_MAIN(TestExplanations)
#include "test_explanations.moc"
