// Sources that reading plain text named wrongly, typed into the real main
// window: 文件 names each as javac and java need, and "编译+运行" builds and
// runs it with the real JDK in a real xterm under Xvfb.

#include "console_driver.h"
#include "controls/skin_button.h"
#include "requirements.h"
#include "temporary_home.h"
#include "test_files.h"
#include "window_session.h"
#include "workspace/main_window.h"

#include <QDir>
#include <QLineEdit>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

// The statement each program runs: it writes the marker file, so the test
// knows the program ran under the name 文件 gave it.
QString markerStatement(const QString &marker) {
    return QStringLiteral("try { java.nio.file.Files.writeString(java.nio.file.Path.of(\"%1\"), "
                          "\"ran\"); } catch (java.io.IOException e) { }")
        .arg(marker);
}

} // namespace

class TestWindowNamingE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(missingForConsole());
        QVERIFY(home.isValid());
    }

    void learnerSourceRunsUnderItsName_data() {
        QTest::addColumn<QString>("source"); // %1 is the statement that writes the marker
        QTest::addColumn<QString>("fileName");
        QTest::newRow("comment saying class before main")
            << "public class Loop {\n    // 这个class演示了循环\n"
               "    public static void main(String[] args) { %1 }\n}\n"
            << "Loop";
        QTest::newRow("classSize field") << "class Classroom {\n    static int classSize = 30;\n"
                                            "    public static void main(String[] args) { %1 }\n}\n"
                                         << "Classroom";
        QTest::newRow("public interface holding main")
            << "public interface Greeting {\n    static void main(String[] args) { %1 }\n}\n"
            << "Greeting";
        QTest::newRow("public enum holding main")
            << "public enum Weekday {\n    MONDAY, TUESDAY;\n"
               "    public static void main(String[] args) { %1 }\n}\n"
            << "Weekday";
        QTest::newRow("nested class before main")
            << "public class StudentManager {\n    static class Student { String name; }\n"
               "    public static void main(String[] args) { %1 }\n}\n"
            << "StudentManager";
        QTest::newRow("static public main with String...")
            << "class MathUtil { static int gcd(int a, int b) { return b == 0 ? a : gcd(b, a % b); "
               "} "
               "}\n"
               "class GcdTest {\n    static public void main(String... a) { %1 }\n}\n"
            << "GcdTest";
        QTest::newRow("field holding \"a class {\"")
            << "class Template {\n    static String note = \"a class {\";\n"
               "    public static void main(String[] args) { %1 }\n}\n"
            << "Template";
    }

    void learnerSourceRunsUnderItsName() {
        QFETCH(QString, source);
        QFETCH(QString, fileName);
        QFile::remove(marker());
        WindowSession s(home.filePath("src"));
        s.f().Txt_edit->setText(source.arg(markerStatement(marker())));
        QCOMPARE(s.f().Txt_file->text(), fileName);

        ConsoleDriver driver([&] { return QFile::exists(marker()); }, nullptr);
        s.click(s.f().Cmd_byyx);
        QVERIFY2(!driver.timedOut(), "the program never ran under its name");
        QCOMPARE(fileBytes(marker()), QByteArray("ran"));
        QVERIFY(s.prompter.errors.isEmpty());
        QCOMPARE(QDir(home.filePath("src/ClassFiles")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Tamsorley.sh"});
    }

private:
    QString marker() const { return home.filePath("ran"); }

    TemporaryHome home;
};

QTEST_MAIN(TestWindowNamingE2e)
#include "test_window_naming_e2e.moc"
