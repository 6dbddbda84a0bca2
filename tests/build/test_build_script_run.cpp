// The bash script run for real, with stand-ins for the JDK tools that log
// every call: hostile directory and class names run nothing but the tools,
// packages reach javac and java, the console's lines tell what happened, and
// a JDK's archive is looked up and made as it should be.

#include "build/build_script.h"
#include "build/javac_archive.h"
#include "environment_guard.h"
#include "run_layout.h"
#include "test_files.h"
#include "wait_for.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>

using namespace qm::build;
using qm::BuildKind;
using namespace std::chrono_literals;

namespace {

const QString kVersion = QStringLiteral("17.0.99+1-Test");

// What the stand-in for javac prints, on both of its outputs, as javac does.
const QByteArray kJavacSays = "Hello.java:3: 错误: 找不到符号\n";
const QByteArray kJavacCounts = "1 个错误\n";
// javac's own Chinese, whatever the locale.
const QStringList kChinese{"-J-Duser.language=zh", "-J-Duser.region=CN"};

// Logs its name, working directory and arguments, NUL-separated, then runs
// `more`; javac also prints a diagnostic.
void writeFakeTool(const QString &directory, const QString &tool, int status,
                   const QByteArray &more = {}) {
    const QByteArray says = tool == "javac"
                                ? "printf '" + kJavacSays + "' >&2\nprintf '" + kJavacCounts + "'\n"
                                : QByteArray();
    QVERIFY(qm::testing::writeExecutable(directory + "/" + tool,
                                         "printf '%s\\0' " + tool.toUtf8() +
                                             " \"$PWD\" \"$@\" >> \"$TOOL_LOG\"\n" + says + more +
                                             "\nexit " + QByteArray::number(status),
                                         "/bin/bash"));
}

// A JDK layout: bin/javac beside a release file. Asked to make an archive, the
// stand-in writes `archive` there (nothing when empty).
void writeFakeJdk(const QString &jdk, const QByteArray &archive) {
    QFile release(jdk + "/release");
    QVERIFY(QDir().mkpath(jdk + "/bin") && release.open(QIODevice::WriteOnly));
    release.write("IMPLEMENTOR=\"Test\"\nJAVA_RUNTIME_VERSION=\"" + kVersion.toUtf8() +
                  "\"\nJAVA_VERSION=\"17.0.99\"\n");
    release.close();
    writeFakeTool(jdk + "/bin", "javac", 0,
                  "for a; do case $a in -J-XX:ArchiveClassesAtExit=*) printf '%s' '" + archive +
                      "' > \"${a#*=}\"; [ -n '" + archive +
                      "' ] || rm -f \"${a#*=}\";; esac; done");
}

// The name the archive job gives an archive holding `content`.
QString archiveName(const QByteArray &content, const QString &version = kVersion) {
    return "javac-" + version + "-" +
           QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex() + ".jsa";
}

struct Run {
    QStringList calls; // the tools' log, entry by entry
    QString output;
    QString errors; // the console's standard error
};

class ScriptRunner {
public:
    ScriptRunner() {
        // The archive job inherits the program's environment.
        environment.set("TOOL_LOG", log());
        bin = root.filePath("bin");
        cache = root.filePath("cache");
        writeFakeTool(bin, "java", 0);
    }

    // The script as Comp writes it into a fresh run folder, javac looked for
    // where the script's PATH looks.
    Run run(const QString &buildDir, const QString &cacheDir, const ScriptTarget &target,
            const QProcessEnvironment &extra = {}) {
        const QString path = extra.value("PATH", bin + ":/usr/bin:/bin");
        const JavacSetup setup = probeJavac(cacheDir, path.split(':'));
        const BuildPlaces places = qm::testing::layOutRunFolder(runDir(), buildDir);
        const QString script = runDir() + "/Tamsorley.sh";
        QFile file(script);
        file.open(QIODevice::WriteOnly);
        file.write(textFileBytes(posixScriptLines(places, setup, target),
                                 qm::platform::ScriptKind::Posix));
        file.close();
        QFile::remove(log());

        QProcess bash;
        QProcessEnvironment env;
        env.insert("PATH", bin + ":/usr/bin:/bin");
        env.insert("TOOL_LOG", log());
        env.insert("LANG", "C.UTF-8");
        for (const QString &key : extra.keys())
            env.insert(key, extra.value(key));
        bash.setProcessEnvironment(env);
        bash.setWorkingDirectory(root.path());
        bash.start("/bin/bash", {script});
        bash.waitForStarted();
        bash.write("k");
        bash.closeWriteChannel();
        if (!bash.waitForFinished(10000) || bash.exitCode() != 0)
            qWarning("the script did not end well");
        if (setup.makeArchive) // as Comp does once the console has closed
            startArchiveJob(setup);
        return {loggedCalls(), QString::fromUtf8(bash.readAllStandardOutput()),
                QString::fromUtf8(bash.readAllStandardError())};
    }

    QStringList loggedCalls() const {
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList calls = QString::fromUtf8(file.readAll()).split(QChar(0));
        calls.removeLast();
        return calls;
    }

    QString log() const { return root.filePath("log"); }
    QString runDir() const { return root.filePath("run"); }

    // A fake JDK first on the search path of the next runs.
    QProcessEnvironment withJdk(const QByteArray &archive) {
        jdk = root.filePath("jdk");
        writeFakeJdk(jdk, archive);
        QProcessEnvironment env;
        env.insert("PATH", jdk + "/bin:" + bin + ":/usr/bin:/bin");
        return env;
    }

    QTemporaryDir root;
    qm::testing::EnvironmentGuard environment;
    QString bin;
    QString cache;
    QString jdk;
};

QStringList cacheFiles(const QString &cache) {
    return QDir(cache).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                 QDir::Name);
}

// The detached archive job ends on its own; wait for what it leaves.
bool waitForCache(const QString &cache, const QStringList &expected) {
    return qm::testing::waitFor([&] { return cacheFiles(cache) == expected; }, 10s);
}

} // namespace

class TestBuildScriptRun : public QObject {
    Q_OBJECT

private slots:
    void hostileNamesRunOnlyTheTools_data() {
        QTest::addColumn<QString>("directoryName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("package");
        QTest::addColumn<int>("compType");
        QTest::addColumn<int>("javacStatus");
        QTest::newRow("plain, compiled") << "Class Files"
                                         << "Hello"
                                         << "" << 0 << 0;
        QTest::newRow("compile error runs nothing") << "ClassFiles"
                                                    << "Hello"
                                                    << "" << 0 << 1;
        QTest::newRow("applet") << "ClassFiles"
                                << "Hello"
                                << "" << 1 << 0;
        QTest::newRow("applet, compile error") << "ClassFiles"
                                               << "Hello"
                                               << "" << 1 << 2;
        QTest::newRow("package") << "ClassFiles"
                                 << "Hello"
                                 << "demo.app" << 0 << 0;
        QTest::newRow("Chinese package and class") << "类 文件"
                                                   << "成绩单"
                                                   << "作业.第一章" << 0 << 0;
        QTest::newRow("package, applet") << "ClassFiles"
                                         << "Hello"
                                         << "demo" << 1 << 0;
        QTest::newRow("quotes in the name") << "ClassFiles"
                                            << "H'; touch INJ1; echo '"
                                            << "" << 0 << 0;
        QTest::newRow("substitutions") << "d $(touch INJ2) `touch INJ3`"
                                       << "$(touch INJ4)`touch INJ5`"
                                       << "" << 0 << 0;
        QTest::newRow("separators") << "a;touch INJ6&b|c"
                                    << "x && touch INJ7 || y"
                                    << "" << 1 << 0;
        QTest::newRow("quotes everywhere") << "'\"\\'\""
                                           << "\"'\\$HOME'\""
                                           << "" << 0 << 0;
        QTest::newRow("line break") << "new\ntouch INJ8"
                                    << "n\ntouch INJ9"
                                    << "" << 0 << 0;
        QTest::newRow("leading dash") << "-rf"
                                      << "-v"
                                      << "" << 0 << 0;
    }

    void hostileNamesRunOnlyTheTools() {
        QFETCH(QString, directoryName);
        QFETCH(QString, name);
        QFETCH(QString, package);
        QFETCH(int, compType);
        QFETCH(int, javacStatus);

        ScriptRunner runner;
        writeFakeTool(runner.bin, "javac", javacStatus);
        writeFakeTool(runner.bin, "appletviewer", 0);
        const QString buildDir = runner.root.filePath("src/") + directoryName;
        const Run run =
            runner.run(buildDir, runner.cache, ScriptTarget{name, package, BuildKind(compType)});

        // No JDK layout behind this javac: no JVM flags for it but its
        // language. javac runs in the run folder, keeps local names, its
        // classes go there, and no annotation processor runs. The program runs in the build
        // directory, only when javac's own status says it compiled, not tee's.
        const QString classes = runner.runDir() + "/classes";
        QStringList expected{"javac", runner.runDir()};
        expected << kChinese << "-g"
                 << "-proc:none"
                 << "-encoding"
                 << "UTF-8"
                 << "-d" << classes << "-cp"
                 << "classes:build/." << name + ".java";
        const QString runName = package.isEmpty() ? name : package + "." + name;
        if (javacStatus == 0 && compType == 0)
            expected << "java" << buildDir << "-cp" << classes + ":." << runName;
        if (javacStatus == 0 && compType == 1)
            expected << "appletviewer" << buildDir << classes + "/" + name + ".HTML";
        QCOMPARE(run.calls, expected);

        const QString ok = "----------编译+运行完成----------";
        const QString failed = "----------编译失败，程序未运行----------";
        QVERIFY(run.output.startsWith("------------编译中...------------\n"));
        QCOMPARE(run.output.contains(ok), javacStatus == 0);
        QCOMPARE(run.output.contains(failed), javacStatus != 0);
        QCOMPARE(run.output.contains("运行结束"), javacStatus == 0);
        QVERIFY(run.output.endsWith("请按任意键继续. . ."));
        QVERIFY2(cacheFiles(runner.cache).isEmpty(), "no JDK, yet an archive was made");
        // javac's output shows in the console and is kept in the run folder.
        QVERIFY(run.output.contains(QString::fromUtf8(kJavacSays + kJavacCounts)));
        QCOMPARE(qm::testing::fileBytes(runner.runDir() + "/" + javacOutputFileName()),
                 kJavacSays + kJavacCounts);

        QDirIterator it(runner.root.path(), {"INJ*"}, QDir::Files, QDirIterator::Subdirectories);
        const QString injected = it.hasNext() ? it.next() : QString();
        QVERIFY2(injected.isEmpty(), qPrintable("injected command ran: " + injected));
    }

    // The build's own classes come first; then what javac and java found
    // before: CLASSPATH, its relative entries below the build directory
    // (where java runs, and "build" leads javac from the run folder).
    void classPathKeepsItsMeaning_data() {
        QTest::addColumn<QString>("classPath"); // "<unset>" for none
        QTest::addColumn<QString>("forJavac");
        QTest::addColumn<QString>("forJava");
        QTest::newRow("none") << "<unset>"
                              << "classes:build/."
                              << ":.";
        QTest::newRow("relative, absolute, empty") << "lib/x.jar:/opt/y.jar:"
                                                   << "classes:build/lib/x.jar:/opt/y.jar:build/"
                                                   << ":lib/x.jar:/opt/y.jar:";
    }

    void classPathKeepsItsMeaning() {
        QFETCH(QString, classPath);
        QFETCH(QString, forJavac);
        QFETCH(QString, forJava);
        ScriptRunner runner;
        writeFakeTool(runner.bin, "javac", 0);
        QProcessEnvironment env;
        if (classPath != "<unset>")
            env.insert("CLASSPATH", classPath);
        const Run run = runner.run(runner.root.filePath("b:c"), "", ScriptTarget{"Hello"}, env);
        QCOMPARE(run.calls.at(run.calls.indexOf("-cp") + 1), forJavac);
        QCOMPARE(run.calls.at(run.calls.lastIndexOf("-cp") + 1),
                 runner.runDir() + "/classes" + forJava);
    }

    void runEndTellsStatusAndTime_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("work");
        QTest::addColumn<QString>("seconds");
        QTest::newRow("success") << 0 << QByteArray() << "0\\.0\\d";
        QTest::newRow("System.exit(3)") << 3 << QByteArray() << "0\\.0\\d";
        QTest::newRow("uncaught exception, a while")
            << 1 << QByteArray("sleep 0.3") << "0\\.[3-9]\\d";
        QTest::newRow("killed by a signal") << 0 << QByteArray("kill -9 $$") << "0\\.\\d\\d";
    }

    void runEndTellsStatusAndTime() {
        QFETCH(int, status);
        QFETCH(QByteArray, work);
        QFETCH(QString, seconds);
        ScriptRunner runner;
        writeFakeTool(runner.bin, "javac", 0);
        writeFakeTool(runner.bin, "java", status, "printf 'no line end'\n" + work);
        const Run run = runner.run(runner.root.filePath("b"), "", ScriptTarget{"Hello"});
        const int shown = work.startsWith("kill") ? 137 : status;
        const QRegularExpression line("no line end----------运行结束，退出代码 " +
                                      QString::number(shown) + "，用时 " + seconds +
                                      " 秒----------\n请按任意键继续\\. \\. \\.$");
        QVERIFY2(line.match(run.output).hasMatch(), qPrintable(run.output));
    }

    // The program's standard error shows in the console and is kept for the
    // editor's marks, only when the program ended by itself; Ctrl+C stops
    // the program, and the console still tells how it ended.
    void programErrorsAreKeptWhenItEndsByItself_data() {
        QTest::addColumn<QByteArray>("work");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("kept");
        QTest::newRow("uncaught exception") << QByteArray() << 1 << true;
        QTest::newRow("Ctrl+C") << QByteArray("kill -INT $$") << 130 << false;
        QTest::newRow("killed") << QByteArray("kill -9 $$") << 137 << false;
    }

    void programErrorsAreKeptWhenItEndsByItself() {
        QFETCH(QByteArray, work);
        QFETCH(int, status);
        QFETCH(bool, kept);
        const QByteArray trace = "Exception in thread \"main\" java.lang.ArithmeticException: / "
                                 "by zero\n\tat Hello.main(Hello.java:5)\n";
        ScriptRunner runner;
        writeFakeTool(runner.bin, "javac", 0);
        writeFakeTool(runner.bin, "java", 1,
                      "printf 'out\\n'; printf '" + trace + "' >&2\n" + work);
        const QString errors = runner.runDir() + "/" + programErrorsFileName();
        QFile::remove(errors);
        const Run run = runner.run(runner.root.filePath("b"), "", ScriptTarget{"Hello"});

        QVERIFY2(run.output.contains("（程序运行中按 Ctrl+C 可以结束它）\nout\n"),
                 qPrintable(run.output));
        QVERIFY2(run.errors.contains("java.lang.ArithmeticException: / by zero\n"),
                 qPrintable(run.errors));
        QVERIFY2(run.output.contains("退出代码 " + QString::number(status) + "，"),
                 qPrintable(run.output));
        QVERIFY(run.output.endsWith("请按任意键继续. . ."));
        QCOMPARE(QFile::exists(errors), kept);
        if (kept)
            QVERIFY(qm::testing::fileBytes(errors).contains("\tat Hello.main(Hello.java:5)\n"));
        QVERIFY(!QFile::exists(errors + ".part") || !kept);
    }

    void missingAppletViewerIsExplained() {
        ScriptRunner runner;
        writeFakeTool(runner.bin, "javac", 0);
        // Only the stand-ins and the basic tools: no appletviewer anywhere.
        QProcessEnvironment env;
        env.insert("PATH", runner.bin + ":/bin");
        const Run run = runner.run(runner.root.filePath("b"), "",
                                   ScriptTarget{"Hello", "", BuildKind::Applet}, env);
        QVERIFY2(run.output.contains("\n未找到 appletviewer：JDK 11 起不再提供小程序查看器。\n"),
                 qPrintable(run.output));
        QVERIFY(!run.output.contains("运行结束"));
        QVERIFY(!run.output.contains("not found"));
    }

    void localeIsUtf8ForTheTools_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("seen");
        QTest::newRow("UTF-8 already") << "LANG"
                                       << "C.UTF-8"
                                       << "";
        QTest::newRow("C") << "LANG"
                           << "C"
                           << "C.UTF-8";
        QTest::newRow("POSIX overrides all") << "LC_ALL"
                                             << "POSIX"
                                             << "C.UTF-8";
        QTest::newRow("a UTF-8 locale not installed") << "LANG"
                                                      << "xx_YY.UTF-8"
                                                      << "C.UTF-8";
    }

    void localeIsUtf8ForTheTools() {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, seen);
        ScriptRunner runner;
        writeFakeTool(runner.bin, "javac", 0, "printf 'LC_ALL=%s\\0' \"$LC_ALL\" >> \"$TOOL_LOG\"");
        QProcessEnvironment env;
        env.insert(variable, value);
        const Run run = runner.run(runner.root.filePath("b"), "", ScriptTarget{"Hello"}, env);
        QVERIFY2(run.calls.contains("LC_ALL=" + seen), qPrintable(run.calls.join(' ')));
    }

    void jdkGetsQuickFlagsAndItsArchive() {
        ScriptRunner runner;
        const QProcessEnvironment env = runner.withJdk("ARCHIVE");
        const QString buildDir = runner.root.filePath("b");
        const QString archive = runner.cache + "/" + archiveName("ARCHIVE");

        // First build: no archive yet; it is made once the run is over.
        const Run first = runner.run(buildDir, runner.cache, ScriptTarget{"Hello"}, env);
        QStringList quick{"javac", runner.runDir()};
        quick << quickJavacFlags() << kChinese << "-g"
              << "-proc:none";
        QCOMPARE(first.calls.mid(0, quick.size()), quick);
        QVERIFY(waitForCache(runner.cache, {QFileInfo(archive).fileName()}));
        QCOMPARE(qm::testing::fileBytes(archive), QByteArray("ARCHIVE"));

        // Second build: the archive is used, none is made.
        const Run second = runner.run(buildDir, runner.cache, ScriptTarget{"Hello"}, env);
        QVERIFY2(second.calls.contains("-J-XX:SharedArchiveFile=" + archive),
                 qPrintable(second.calls.join(' ')));
        QThread::msleep(300);
        QVERIFY(!runner.loggedCalls().join(' ').contains("ArchiveClassesAtExit"));
    }

    // An archive's name holds its MD5 sum; the program checks it before use.
    // One that does not hold what its name says is removed, as is one named
    // by its size as before; another JDK's stays.
    void damagedArchiveIsNotUsed_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("stays");
        QTest::newRow("truncated") << QByteArray("ARCH") << archiveName("ARCHIVE") << false;
        QTest::newRow("bytes changed") << QByteArray("ARCHIVF") << archiveName("ARCHIVE") << false;
        QTest::newRow("named by its size")
            << QByteArray("ARCHIVE") << "javac-" + kVersion + "-7.jsa" << false;
        QTest::newRow("no sum in the name")
            << QByteArray("ARCHIVE") << "javac-" + kVersion + "-.jsa" << false;
        QTest::newRow("another JDK's")
            << QByteArray("ARCHIVE") << archiveName("ARCHIVE", "11.0.2") << true;
    }

    void damagedArchiveIsNotUsed() {
        QFETCH(QByteArray, content);
        QFETCH(QString, fileName);
        QFETCH(bool, stays);
        ScriptRunner runner;
        const QProcessEnvironment env = runner.withJdk("ARCHIVE");
        QVERIFY(QDir().mkpath(runner.cache));
        QVERIFY(qm::testing::writeBytes(runner.cache + "/" + fileName, content));
        const Run run =
            runner.run(runner.root.filePath("b"), runner.cache, ScriptTarget{"Hello"}, env);
        QVERIFY(!run.calls.join(' ').contains("SharedArchiveFile"));
        QVERIFY(run.output.contains("运行结束，退出代码 0"));
        // A sound one is made in its place.
        const QString made = archiveName("ARCHIVE");
        QStringList expected{made};
        if (stays)
            expected << fileName;
        expected.sort();
        QVERIFY(qm::testing::waitFor(
            [&] {
                return cacheFiles(runner.cache) == expected &&
                       qm::testing::fileBytes(runner.cache + "/" + made) == "ARCHIVE";
            },
            10s));
    }

    void archiveTheJvmDiesOnIsRemoved() {
        ScriptRunner runner;
        const QProcessEnvironment env = runner.withJdk("ARCHIVE");
        // Dies as the JVM does on an archive it cannot map.
        writeFakeTool(
            runner.jdk + "/bin", "javac", 0,
            "case \"$*\" in *SharedArchiveFile*) echo '# fatal' >&2; kill -ABRT $$;; esac");
        QVERIFY(QDir().mkpath(runner.cache));
        const QString archive = runner.cache + "/" + archiveName("ARCHIVE");
        QVERIFY(qm::testing::writeBytes(archive, "ARCHIVE"));
        const Run run =
            runner.run(runner.root.filePath("b"), runner.cache, ScriptTarget{"Hello"}, env);
        QVERIFY2(run.output.contains("运行结束，退出代码 0"), qPrintable(run.output));
        QVERIFY2(!run.output.contains("Aborted"), qPrintable(run.output));
        QCOMPARE(run.calls.count("javac"), 2);
        QVERIFY(!run.calls.join(' ').contains("ArchiveClassesAtExit"));
        QVERIFY(!QFile::exists(archive));
    }

    void jdkThatCannotMakeAnArchiveIsNotAskedAgain() {
        ScriptRunner runner;
        const QProcessEnvironment env = runner.withJdk("");
        const QString buildDir = runner.root.filePath("b");
        const Run first = runner.run(buildDir, runner.cache, ScriptTarget{"Hello"}, env);
        QVERIFY(first.output.contains("运行结束，退出代码 0"));
        QVERIFY(waitForCache(runner.cache, {"javac-" + kVersion + ".failed"}));
        runner.run(buildDir, runner.cache, ScriptTarget{"Hello"}, env);
        QThread::msleep(300);
        QVERIFY(!runner.loggedCalls().join(' ').contains("ArchiveClassesAtExit"));
    }
};

QTEST_GUILESS_MAIN(TestBuildScriptRun)
#include "test_build_script_run.moc"
