// Comp's file work, without a display: no terminal is found, so the build
// writes its files, fails to launch, and still cleans up; or a stand-in
// terminal runs the console's script in place, with stand-ins for the JDK's
// tools. Also the build folders Comp refuses, and builds that must not tread
// on each other.

#include "build/build_script.h"
#include "build/comp.h"
#include "build/kept_classes.h"
#include "environment_guard.h"
#include "launcher/terminal.h"
#include "temporary_home.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace qm::build;
using qm::BuildKind;
using qm::testing::writeExecutable;

namespace {

const QString kPath = QStringLiteral("~/My Java");

void touch(const QString &path, const QByteArray &bytes = {}) {
    QVERIFY(qm::testing::writeBytes(path, bytes));
}

} // namespace

class TestComp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(home.isValid());
        // No terminal program anywhere on the search path.
        QVERIFY(QDir().mkpath(home.filePath("empty-bin")));
        home.environment().set("PATH", home.filePath("empty-bin"));
        // Run folders go here, where the test finds them.
        QVERIFY(QDir().mkpath(runtime()));
        QVERIFY(QFile::setPermissions(runtime(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        home.environment().set("XDG_RUNTIME_DIR", runtime());
    }

    void init() { QDir(home.filePath("My Java")).removeRecursively(); }

    void writesCopyAndPageForTheRun_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("compType");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("standard") << "Hello" << 0 << QByteArray("<missing>");
        QTest::newRow("applet") << "Hello" << 1
                                << QByteArray("<html>\n<applet code=\"Hello.class\" height=200 "
                                              "width=400>\n</applet>\n</html>\n");
        QTest::newRow("empty name") << "" << 0 << QByteArray("<missing>");
    }

    void writesCopyAndPageForTheRun() {
        QFETCH(QString, name);
        QFETCH(int, compType);
        QFETCH(QByteArray, page);
        const QString source = QStringLiteral("class 你好 {\n}");
        QByteArray copyAtEnd, pageAtEnd, scriptAtEnd;
        QString run;
        const BuildOutcome outcome =
            Comp(BuildRequest{kPath, source, name, BuildKind(compType), 200, 400}, [&] {
                run = runFolder();
                copyAtEnd = qm::testing::fileBytes(run + "/" + name + ".java");
                pageAtEnd = qm::testing::fileBytes(run + "/classes/" + name + ".HTML");
                scriptAtEnd = qm::testing::fileBytes(run + "/Tamsorley.sh");
                return AfterRunValues{kPath, 0, {}, 0};
            }).outcome;
        QCOMPARE(outcome, BuildOutcome::NoTerminal);
        QCOMPARE(copyAtEnd, source.toUtf8() + "\n");
        QCOMPARE(pageAtEnd, page);
        const QStringList script = posixScriptLines(
            {buildDir().chopped(1), run}, probeJavac(home.filePath("cache/quillmoss-java")),
            ScriptTarget{name, "", BuildKind(compType)});
        // The script runs from the run folder; a copy lies in the build folder.
        QCOMPARE(scriptAtEnd, textFileBytes(script, qm::platform::ScriptKind::Posix));
        QCOMPARE(qm::testing::fileBytes(buildDir() + "Tamsorley.sh"), scriptAtEnd);
        QCOMPARE(buildFiles(), QStringList{"Tamsorley.sh"});
        QVERIFY(!QFileInfo::exists(run));
    }

    void noTerminalStillCleansUp() {
        QVERIFY(QDir().mkpath(buildDir()));
        for (const char *file : {"Hello.class", "Shape.class", "Hello$1.class",
                                 "Shape$Corner.class", "Other$1.class", "notes.txt"})
            touch(buildDir() + file);
        touch(home.filePath("My Java/Shape.class"));
        // The clean-up reads ClassNames as the editor holds them after the run;
        // javac's files for classes nested in them go too.
        const BuildOutcome outcome =
            Comp(BuildRequest{kPath, "class Hello {}", "Hello"}, [] {
                return AfterRunValues{kPath, 0, {"Hello", "", "../Shape", "Shape", "Unbuilt"}, 5};
            }).outcome;
        QCOMPARE(outcome, BuildOutcome::NoTerminal);
        QCOMPARE(buildFiles(), (QStringList{"Other$1.class", "Tamsorley.sh", "notes.txt"}));
        QVERIFY(QFile::exists(home.filePath("My Java/Shape.class")));
    }

    void unusableNameWritesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent directory") << "../Hello";
        QTest::newRow("backslash") << "a\\Hello";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("NUL") << QString("Hel") + QChar(0) + "lo";
    }

    void unusableNameWritesNothing() {
        QFETCH(QString, name);
        const QString saved = home.filePath("My Java/Hello.java");
        QVERIFY(QDir().mkpath(home.filePath("My Java")));
        touch(saved, "the saved source");
        bool cleanedUp = false;
        const BuildOutcome outcome = Comp(BuildRequest{kPath, "class " + name + " {}", name}, [&] {
                                         cleanedUp = true;
                                         return AfterRunValues{kPath, 0, {name}, 1};
                                     }).outcome;
        QCOMPARE(outcome, BuildOutcome::UnsafeName);
        QVERIFY(!cleanedUp);
        QCOMPARE(qm::testing::fileBytes(saved), QByteArray("the saved source"));
        QVERIFY(!QFile::exists(buildDir() + "Tamsorley.sh"));
    }

    void packageCleanUp_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("keep");
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QStringList>("left");
        const QString demo = "package demo.app;\npublic class Hello {}\nclass Shape {}\n";
        const QStringList javacMade{"demo/app/Hello.class", "demo/app/Shape.class",
                                    "demo/app/Hello$Inner.class", "demo/app/Hello$1.class"};
        QTest::newRow("emptied directories go") << demo << 0 << javacMade << QStringList{};
        QTest::newRow("kept classes keep them") << demo << 1 << javacMade << javacMade;
        QTest::newRow("a foreign file keeps its directory")
            << demo << 0 << javacMade + QStringList{"demo/notes.txt", "demo/app/Other.class"}
            << QStringList{"demo/app/Other.class", "demo/notes.txt"};
        QTest::newRow("only the declared package")
            << demo << 0 << QStringList{"Hello.class", "demo/Hello.class", "demo/app/Hello.class"}
            << QStringList{"Hello.class", "demo/Hello.class"};
        // The scan names only what follows "class"; javac writes every type.
        QTest::newRow("interfaces, enums and records too")
            << "package demo.app;\ninterface Priced {}\nenum Size { S; void f() {} }\n"
               "record Point(int x) {}\npublic class Hello {}"
            << 0
            << QStringList{"demo/app/Priced.class", "demo/app/Size.class", "demo/app/Size$1.class",
                           "demo/app/Point.class", "demo/app/Hello.class"}
            << QStringList{};
        QTest::newRow("compile failed, nothing made")
            << demo << 0 << QStringList{} << QStringList{};
        const QString deep = "package a.b.c.d.e.f.g.h.i.j;\nclass Hello {}";
        QTest::newRow("deep package")
            << deep << 0 << QStringList{"a/b/c/d/e/f/g/h/i/j/Hello.class"} << QStringList{};
        QTest::newRow("Chinese package")
            << QStringLiteral("package 作业.第一章;\nclass Hello {}") << 0
            << QStringList{QStringLiteral("作业/第一章/Hello.class")} << QStringList{};
        // Not a package at all: the names stay inside the build directory.
        QTest::newRow("dots only")
            << "package ..;\nclass Hello {}" << 0 << QStringList{"../Hello.class"}
            << QStringList{"../Hello.class"};
        QTest::newRow("slashes") << "package ../../x;\nclass Hello {}" << 0
                                 << QStringList{"../../x/Hello.class"}
                                 << QStringList{"../../x/Hello.class"};
    }

    void packageCleanUp() {
        QFETCH(QString, source);
        QFETCH(int, keep);
        QFETCH(QStringList, made);
        QFETCH(QStringList, left);
        QDir(home.filePath("x")).removeRecursively();
        QDir(home.filePath("My Java")).removeRecursively();
        for (const QString &file : made) {
            QVERIFY(QDir().mkpath(QFileInfo(buildDir() + file).path()));
            touch(buildDir() + file);
        }
        Comp(BuildRequest{kPath, source, "Hello"}, [&] {
            return AfterRunValues{kPath, qint16(keep), {"Hello", "Shape"}, 2};
        });
        QStringList remaining;
        for (const QString &file : made) {
            if (QFile::exists(buildDir() + file))
                remaining << file;
        }
        remaining.sort();
        left.sort();
        QCOMPARE(remaining, left);
        if (left.isEmpty())
            QCOMPARE(
                QDir(buildDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                QStringList{"Tamsorley.sh"});
    }

    void linkedPackageDirectoryIsNotFollowed() {
        // demo/ leads out of the build directory; what lies there stays.
        const QString outside = home.filePath("elsewhere");
        QDir(outside).removeRecursively();
        QVERIFY(QDir().mkpath(outside + "/app") && QDir().mkpath(buildDir()));
        touch(outside + "/app/Hello.class");
        QVERIFY(QFile::link(outside, buildDir() + "demo"));
        Comp(BuildRequest{kPath, "package demo.app;\nclass Hello {}", "Hello"}, [] {
            return AfterRunValues{kPath, 0, {"Hello"}, 1};
        });
        QVERIFY(QFile::exists(outside + "/app/Hello.class"));
        QVERIFY(QFileInfo(buildDir() + "demo").isSymLink());
        QFile::remove(buildDir() + "demo");
    }

    // A link planted in the build folder under the name of the script's
    // copy must not redirect that write outside.
    void plantedLinkIsReplaced() {
        QTemporaryDir outside;
        const QString target = outside.filePath("victim");
        touch(target, "not the build's to change");
        QVERIFY(QFile::link(target, buildDirCreated() + "Tamsorley.sh"));
        Comp(BuildRequest{kPath, "class Hello {}", "Hello", BuildKind::Applet}, nullptr);
        QVERIFY(!QFileInfo(buildDir() + "Tamsorley.sh").isSymLink());
        QVERIFY(qm::testing::fileBytes(buildDir() + "Tamsorley.sh").startsWith("#!/bin/bash"));
        QCOMPARE(qm::testing::fileBytes(target), QByteArray("not the build's to change"));
    }

    // Kept class files join the build folder as javac would have written
    // them there, but a link in a class file's place is replaced, and a
    // package folder that is a link keeps nothing.
    void keptClassFilesReplaceLinks() {
        QTemporaryDir classes, outside;
        QVERIFY(QDir().mkpath(classes.filePath("demo/app")) &&
                QDir().mkpath(outside.filePath("app")));
        touch(classes.filePath("Hello.class"), "new Hello");
        touch(classes.filePath("Hello$1.class"), "new Hello$1");
        touch(classes.filePath("demo/app/Shape.class"), "new Shape");
        touch(outside.filePath("victim"), "another class");
        QVERIFY(QFile::link(outside.filePath("victim"), buildDirCreated() + "Hello.class"));
        QVERIFY(QFile::link(outside.path(), buildDir() + "demo"));
        keepClassFiles(classes.path(), buildDir());
        QCOMPARE(qm::testing::fileBytes(outside.filePath("victim")), QByteArray("another class"));
        QVERIFY(!QFileInfo(buildDir() + "Hello.class").isSymLink());
        QCOMPARE(qm::testing::fileBytes(buildDir() + "Hello.class"), QByteArray("new Hello"));
        QCOMPARE(qm::testing::fileBytes(buildDir() + "Hello$1.class"), QByteArray("new Hello$1"));
        QVERIFY(!QFileInfo::exists(outside.filePath("app/Shape.class")));
        QFile::remove(buildDir() + "demo");
        keepClassFiles(classes.path(), buildDir());
        QCOMPARE(qm::testing::fileBytes(buildDir() + "demo/app/Shape.class"),
                 QByteArray("new Shape"));
    }

    void javacOutputReachesTheCaller() {
        // A javac that complains on both of its outputs and fails.
        const QString bin = home.filePath("tools-bin");
        QVERIFY(writeExecutable(bin + "/javac",
                                "echo 'Hello.java:2: error: x' >&2; echo '1 error'; exit 1"));
        QVERIFY(writeExecutable(bin + "/java", "touch ran"));

        const BuildResult result = compWithToolsIn(bin);

        QCOMPARE(result.outcome, BuildOutcome::Ran);
        QVERIFY(result.javacOutputRead);
        QCOMPARE(result.javacOutput, QStringLiteral("Hello.java:2: error: x\n1 error\n"));
        QVERIFY(!QFile::exists(buildDir() + "ran"));
        QCOMPARE(buildFiles(), QStringList{"Tamsorley.sh"});
    }

    // What the program printed on its standard error reaches the caller for
    // the exception's mark; of a flood, the end, where the trace stands.
    void programErrorsReachTheCaller() {
        const QString bin = home.filePath("tools-bin");
        const QByteArray trace = "Exception in thread \"main\" java.lang.Error\n"
                                 "\tat Hello.main(Hello.java:1)\n";
        QVERIFY(writeExecutable(bin + "/javac", "exit 0"));
        QVERIFY(writeExecutable(bin + "/java",
                                "head -c 3000000 /dev/zero | tr '\\0' x >&2\n"
                                "printf '\\n" +
                                    QByteArray(trace).replace("\n", "\\n").replace("\t", "\\t") +
                                    "' >&2; exit 1"));

        const BuildResult result = compWithToolsIn(bin);

        QCOMPARE(result.outcome, BuildOutcome::Ran);
        QVERIFY(result.programErrors.endsWith(QString::fromUtf8(trace)));
        QVERIFY(result.programErrors.size() <= (1 << 20));
        QVERIFY(result.programErrors.size() > 1000);
    }

    void noRunLeavesNoOutput() {
        touch(buildDirCreated() + javacOutputFileName(), "left by an earlier version");
        const BuildResult result = Comp(BuildRequest{kPath, "", "Hello"}, nullptr);
        QCOMPARE(result.outcome, BuildOutcome::NoTerminal);
        QVERIFY(!result.javacOutputRead);
        QCOMPARE(result.javacOutput, QString());
        QCOMPARE(result.programErrors, QString());
    }

private:
    // A build of Hello through a terminal that runs the console's script in
    // place, with the javac and java stand-ins of `bin` first on the path.
    BuildResult compWithToolsIn(const QString &bin) {
        if (!writeExecutable(bin + "/terminal", "\"$@\" </dev/null >/dev/null 2>&1") ||
            !qm::testing::writeBytes(qm::terminalConfPath(), (bin + "/terminal\n").toUtf8()))
            return {};
        qm::testing::EnvironmentGuard env;
        env.set("PATH", bin + ":/usr/bin:/bin");
        const BuildResult result = Comp(BuildRequest{kPath, "class Hello {", "Hello"}, nullptr);
        QFile::remove(qm::terminalConfPath());
        return result;
    }

    QString runtime() const { return home.filePath("runtime"); }
    // The run folder of the build under way.
    QString runFolder() const {
        const QStringList found = QDir(runtime()).entryList({"quillmoss-run-*"}, QDir::Dirs);
        return found.size() == 1 ? runtime() + "/" + found.first() : QString();
    }
    QString buildDirCreated() const {
        QDir().mkpath(buildDir());
        return buildDir();
    }
    QString buildDir() const { return home.filePath("My Java/ClassFiles/"); }
    QStringList buildFiles() const {
        return QDir(buildDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    qm::testing::TemporaryHome home;
};

QTEST_GUILESS_MAIN(TestComp)
#include "test_comp.moc"
