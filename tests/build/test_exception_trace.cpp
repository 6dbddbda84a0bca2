// Uncaught exceptions read back from the program's standard error: the line
// of the source where each was thrown, the lines it was called through, and
// traces that point nowhere in the source, which give no mark.
#include "build/exception_trace.h"

#include <QTest>

using namespace qm::build;

Q_DECLARE_METATYPE(std::optional<UncaughtException>)

namespace {

std::optional<UncaughtException> thrownAt(const QString &className, const QString &message,
                                          int line, const QList<int> &callers = {}) {
    return UncaughtException{className, message, line, callers};
}

QString describe(const std::optional<UncaughtException> &e) {
    if (!e)
        return QStringLiteral("none");
    QStringList callers;
    for (const int line : e->callerLines)
        callers << QString::number(line);
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(e->className, e->message, QString::number(e->line), callers.join(u','));
}

} // namespace

class TestExceptionTrace : public QObject {
    Q_OBJECT

private slots:
    void traces_data() {
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("package");
        QTest::addColumn<std::optional<UncaughtException>>("expected");

        QTest::newRow("thrown in main")
            << "Exception in thread \"main\" java.lang.ArithmeticException: / by zero\n"
               "\tat Hello.main(Hello.java:5)\n"
            << "" << thrownAt("java.lang.ArithmeticException", "/ by zero", 5);
        QTest::newRow("in the JDK, called from two lines of the source")
            << "Exception in thread \"main\" java.util.InputMismatchException\n"
               "\tat java.base/java.util.Scanner.throwFor(Scanner.java:939)\n"
               "\tat java.base/java.util.Scanner.nextInt(Scanner.java:2212)\n"
               "\tat Hello.read(Hello.java:9)\n"
               "\tat Hello.main(Hello.java:4)\n"
            << "" << thrownAt("java.util.InputMismatchException", "", 9, {4});
        QTest::newRow("a package, a nested class, a lambda")
            << "Exception in thread \"main\" java.lang.NullPointerException: Cannot invoke "
               "\"String.length()\" because \"name\" is null\n"
               "\tat demo.app.Hello$Inner.run(Hello.java:12)\n"
               "\tat demo.app.Hello.lambda$main$0(Hello.java:20)\n"
               "\tat demo.app.Hello.main(Hello.java:21)\n"
            << "demo.app"
            << thrownAt("java.lang.NullPointerException",
                        "Cannot invoke \"String.length()\" because \"name\" is null", 12, {20, 21});
        QTest::newRow("a class of another package is not the source's")
            << "Exception in thread \"main\" java.lang.IllegalStateException\n"
               "\tat other.Hello.main(Hello.java:3)\n"
            << "demo" << std::optional<UncaughtException>();
        QTest::newRow("a class of no package when the source has one")
            << "Exception in thread \"main\" java.lang.IllegalStateException\n"
               "\tat Hello.main(Hello.java:3)\n"
            << "demo" << std::optional<UncaughtException>();
        QTest::newRow("a module's file of the same name, another file")
            << "Exception in thread \"main\" java.lang.IllegalStateException\n"
               "\tat java.base/java.lang.Hello.x(Hello.java:3)\n"
               "\tat Helper.y(Helper.java:8)\n"
               "\tat Hello.main(Hello.java:30)\n"
            << "" << thrownAt("java.lang.IllegalStateException", "", 30);
        QTest::newRow("the deepest cause with a frame in the source")
            << "Exception in thread \"main\" java.lang.RuntimeException: "
               "java.lang.NumberFormatException: For input string: \"abc\"\n"
               "\tat Hello.main(Hello.java:14)\n"
               "Caused by: java.lang.NumberFormatException: For input string: \"abc\"\n"
               "\tat java.base/java.lang.Integer.parseInt(Integer.java:652)\n"
               "\tat Hello.parse(Hello.java:6)\n"
               "\t... 1 more\n"
            << ""
            << thrownAt("java.lang.NumberFormatException", "For input string: \"abc\"", 6, {14});
        QTest::newRow("a cause whose frames are all elided")
            << "Exception in thread \"main\" java.lang.ExceptionInInitializerError\n"
               "\tat Hello.main(Hello.java:3)\n"
               "Caused by: java.lang.ArithmeticException: / by zero\n"
               "\t... 1 more\n"
            << "" << thrownAt("java.lang.ExceptionInInitializerError", "", 3);
        QTest::newRow("a message of two lines, CR LF")
            << "Exception in thread \"main\" java.lang.IllegalArgumentException: 第一行\r\n"
               "第二行\r\n"
               "\tat Hello.main(Hello.java:2)\r\n"
            << "" << thrownAt("java.lang.IllegalArgumentException", "第一行\n第二行", 2);
        QTest::newRow("a recursion: each line once")
            << "Exception in thread \"main\" java.lang.StackOverflowError\n"
               "\tat Hello.f(Hello.java:3)\n\tat Hello.f(Hello.java:3)\n"
               "\tat Hello.g(Hello.java:7)\n\tat Hello.f(Hello.java:3)\n"
               "\tat Hello.main(Hello.java:11)\n"
            << "" << thrownAt("java.lang.StackOverflowError", "", 3, {7, 11});
        QTest::newRow("suppressed frames only call")
            << "Exception in thread \"main\" java.lang.IllegalStateException: close\n"
               "\tat Hello.main(Hello.java:8)\n"
               "\tSuppressed: java.lang.RuntimeException\n"
               "\t\tat Hello.close(Hello.java:20)\n"
               "\t\t... 1 more\n"
            << "" << thrownAt("java.lang.IllegalStateException", "close", 8, {20});
        QTest::newRow("a thread's exception outside the source, then main's")
            << "输出到标准错误的一行\n"
               "Exception in thread \"Thread-0\" java.lang.OutOfMemoryError: Java heap space\n"
               "\tat java.base/java.util.Arrays.copyOf(Arrays.java:3512)\n"
               "another line the program printed\n"
               "Exception in thread \"main\" java.lang.ClassCastException: boom\n"
               "\tat Hello.main(Hello.java:17)\n"
               "printed after\n"
            << "" << thrownAt("java.lang.ClassCastException", "boom", 17);
        QTest::newRow("a caught exception printed by the program")
            << "java.lang.ArithmeticException: / by zero\n"
               "\tat Hello.main(Hello.java:5)\n"
            << "" << std::optional<UncaughtException>();
        QTest::newRow("nothing") << ""
                                 << "" << std::optional<UncaughtException>();
    }

    void traces() {
        QFETCH(QString, errors);
        QFETCH(QString, package);
        QFETCH(std::optional<UncaughtException>, expected);
        const auto found = parseUncaughtException(errors, u"Hello.java", package);
        QCOMPARE(describe(found), describe(expected));
    }

    void headerAndCallers() {
        QCOMPARE((UncaughtException{"java.lang.ArithmeticException", "/ by zero", 5, {}}.header()),
                 QStringLiteral("java.lang.ArithmeticException: / by zero"));
        QCOMPARE((UncaughtException{"java.util.InputMismatchException", "", 5, {}}.header()),
                 QStringLiteral("java.util.InputMismatchException"));
        QCOMPARE(callerLinesText({}), QString());
        QCOMPARE(callerLinesText({12, 20}), QStringLiteral("调用经过第 12、20 行"));
        QCOMPARE(callerLinesText({1, 2, 3, 4, 5, 6, 7}),
                 QStringLiteral("调用经过第 1、2、3、4、5 等行"));
    }
};

QTEST_GUILESS_MAIN(TestExceptionTrace)
#include "test_exception_trace.moc"
