// "编译+运行" end to end: the real JDK in a real xterm under Xvfb, the console
// answered with key presses.

#include "build/comp.h"
#include "console_driver.h"
#include "environment_guard.h"
#include "requirements.h"
#include "temporary_home.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace qm::build;
using qm::BuildKind;
using qm::testing::writeExecutable;

namespace {

const QString kPath = QStringLiteral("~/My Java");

// A program whose main appends a Chinese line to a marker file, so the test
// sees that it ran, how often, and that javac read the copy as UTF-8.
QString markerProgram(const QString &name, const QString &marker) {
    return QStringLiteral("import java.nio.file.*;\n"
                          "public class %1 {\n"
                          "    public static void main(String[] args) throws Exception {\n"
                          "        Files.writeString(Path.of(\"%2\"), \"你好\\n\",\n"
                          "            StandardOpenOption.CREATE, StandardOpenOption.APPEND);\n"
                          "    }\n"
                          "}\n"
                          "class Shape {}\n")
        .arg(name, marker);
}

QString readText(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestBuildRunE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(qm::testing::missingForConsole());
        QVERIFY(home.isValid());
        QVERIFY(QDir().mkpath(home.filePath("markers")));
    }

    void init() {
        QDir(home.filePath("My Java")).removeRecursively();
        QDir(home.filePath("markers")).removeRecursively();
        QDir().mkpath(home.filePath("markers"));
    }

    void programRunsAndOnlyTheScriptStays() {
        const QString mark = marker("Hello");
        QStringList duringRun;
        ConsoleDriver driver([&] { return QFile::exists(mark); },
                             [&] { duringRun = buildFiles(); });
        const BuildOutcome outcome = Comp(request("Hello", markerProgram("Hello", mark)), [] {
                                         return AfterRunValues{kPath, 0, {"Hello", "Shape"}, 2};
                                     }).outcome;
        QVERIFY(!driver.timedOut());
        QCOMPARE(outcome, BuildOutcome::Ran);
        // The copy lies in the build's own run folder, the script's copy here.
        QCOMPARE(duringRun, QStringList{"Tamsorley.sh"});
        QCOMPARE(readText(mark), QStringLiteral("你好\n"));
        QCOMPARE(buildFiles(), QStringList{"Tamsorley.sh"});
    }

    void keptClassFilesStay() {
        const QString mark = marker("Hello");
        ConsoleDriver driver([&] { return QFile::exists(mark); }, nullptr);
        Comp(request("Hello", markerProgram("Hello", mark)), [] {
            return AfterRunValues{kPath, 1, {"Hello", "Shape"}, 2};
        });
        QVERIFY(!driver.timedOut());
        QCOMPARE(buildFiles(), (QStringList{"Hello.class", "Shape.class", "Tamsorley.sh"}));
    }

    void compileErrorNeverRunsStaleClasses() {
        // A class file of an earlier, good version of the program lies in the
        // build directory, as it does when class files are kept.
        const QString mark = marker("Broken");
        const QString good = home.filePath("good/Broken.java");
        QVERIFY(QDir().mkpath(home.filePath("good")) && QDir().mkpath(buildDir()));
        QVERIFY(qm::testing::writeBytes(good, markerProgram("Broken", mark).toUtf8()));
        QCOMPARE(QProcess::execute("javac", {"-encoding", "UTF-8", "-d", buildDir(), good}), 0);

        QString broken = markerProgram("Broken", mark);
        broken.replace("throws Exception {", "throws Exception { int x = ;");
        ConsoleDriver driver(nullptr, nullptr);
        const BuildOutcome outcome = Comp(request("Broken", broken), [] {
                                         return AfterRunValues{kPath, 0, {"Broken", "Shape"}, 2};
                                     }).outcome;
        QVERIFY(!driver.timedOut());
        QCOMPARE(outcome, BuildOutcome::Ran);
        QVERIFY(!QFile::exists(mark));
        QCOMPARE(buildFiles(), QStringList{"Tamsorley.sh"});
    }

    void appletPageReachesTheViewer() {
        const QString bin = home.filePath("bin");
        const QString page = home.filePath("markers/page");
        QVERIFY(writeExecutable(
            bin + "/appletviewer",
            "cat -- \"$1\" > '" + page.toUtf8() + ".part'\nprintf '%s' \"$1\" >> '" +
                page.toUtf8() + ".part'\nmv '" + page.toUtf8() + ".part' '" + page.toUtf8() + "'"));
        qm::testing::EnvironmentGuard env;
        env.prependPath(bin);

        ConsoleDriver driver([&] { return QFile::exists(page); }, nullptr);
        BuildRequest applet = request("Hello", "public class Hello {}\n");
        applet.CompType = BuildKind::Applet;
        applet.ApHeight = -20;
        Comp(applet, [] { return AfterRunValues{kPath, 0, {"Hello"}, 1}; });

        QVERIFY(!driver.timedOut());
        // The page lies beside the classes it names, in the build's run folder.
        const QString shown = readText(page);
        QVERIFY2(shown.startsWith("<html>\n<applet code=\"Hello.class\" height=-20 width=400>\n"
                                  "</applet>\n</html>\n") &&
                     shown.contains("/quillmoss-run-") && shown.endsWith("/classes/Hello.HTML"),
                 qPrintable(shown));
        QCOMPARE(buildFiles(), QStringList{"Tamsorley.sh"});
    }

    void nestedBuildsCloseInOrder() {
        // Each build runs its own script from its own run folder; the copy in
        // the build folder is the last one written.
        const QString inner = QStringLiteral("InnerProgramWithAMuchLongerName");
        QStringList returned;
        auto innerBuild = [&] {
            ConsoleDriver driver([&] { return QFile::exists(marker(inner)); }, nullptr);
            Comp(request(inner, markerProgram(inner, marker(inner))), [&] {
                return AfterRunValues{kPath, 0, {inner, "Shape"}, 2};
            });
            QVERIFY(!driver.timedOut());
            returned << inner;
        };
        ConsoleDriver driver([&] { return QFile::exists(marker("Outer")); }, innerBuild);
        Comp(request("Outer", markerProgram("Outer", marker("Outer"))), [] {
            return AfterRunValues{kPath, 0, {"Outer", "Shape"}, 2};
        });
        returned << "Outer";

        QVERIFY(!driver.timedOut());
        QCOMPARE(returned, (QStringList{inner, "Outer"}));
        QCOMPARE(readText(marker("Outer")), QStringLiteral("你好\n"));
        QCOMPARE(readText(marker(inner)), QStringLiteral("你好\n"));
        QCOMPARE(buildFiles(), QStringList{"Tamsorley.sh"});
        QVERIFY(readText(buildDir() + "Tamsorley.sh").contains(inner));
    }

private:
    QString buildDir() const { return home.filePath("My Java/ClassFiles/"); }
    QStringList buildFiles() const {
        return QDir(buildDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QString marker(const QString &name) const { return home.filePath("markers/" + name); }
    BuildRequest request(const QString &name, const QString &source) const {
        return BuildRequest{kPath, source, name};
    }

    qm::testing::TemporaryHome home;
};

QTEST_GUILESS_MAIN(TestBuildRunE2e)
#include "test_build_run_e2e.moc"
