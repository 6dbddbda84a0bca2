// The warm javac with the real JDK: the console's script compiles through it
// and prints what javac would have printed, two builds at once both get
// their answers, a server that has gone leaves the script to javac, and one
// whose program has ended removes its directory and ends.
// javac on the scripts' search path is a stand-in that fails and logs, so a
// build that did not go through the server shows.

#include "build/build_script.h"
#include "build/javac_server.h"
#include "platform/platform.h"
#include "process_cpu.h"
#include "requirements.h"
#include "resources/resources.h"
#include "run_layout.h"
#include "test_files.h"
#include "wait_for.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace qm::build;
using namespace std::chrono_literals;

namespace {

const QString kHello = QStringLiteral("public class Hello {\n"
                                      "    public static void main(String[] args) {\n"
                                      "        System.out.println(\"你好，\" + args.length);\n"
                                      "    }\n"
                                      "}\n");

struct Build {
    QString console;     // what the console showed
    QByteArray kept;     // javac-output.txt
    QByteArray fallback; // the stand-in javac's log: empty unless it ran
};

// A build's run folder beside its build directory.
QString runDirOf(const QString &buildDir) {
    return buildDir + "-run";
}

class TestJavacServer : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    JavacSetup real;

    QString dir(const QString &name) const { return root.filePath(name); }

    // A script as Comp writes it, for `source`, with its own build directory
    // and run folder.
    QString writeBuild(const QString &name, const QString &source, const JavacSetup &setup) {
        const QString buildDir = dir(name);
        const BuildPlaces places = qm::testing::layOutRunFolder(runDirOf(buildDir), buildDir);
        qm::testing::writeBytes(places.inRunDirectory("Hello.java"), sourceCopyBytes(source));
        const ScriptTarget target{"Hello", source.contains("package demo.app") ? "demo.app" : ""};
        qm::testing::writeBytes(places.inRunDirectory("Tamsorley.sh"),
                                textFileBytes(posixScriptLines(places, setup, target),
                                              qm::platform::ScriptKind::Posix));
        return buildDir;
    }

    void start(QProcess &bash, const QString &buildDir, const QString &path) {
        QProcessEnvironment env;
        env.insert("PATH", path);
        env.insert("LANG", "C.UTF-8");
        env.insert("FAKE_LOG", buildDir + "/fallback.log");
        bash.setProcessEnvironment(env);
        bash.start("/bin/bash", {runDirOf(buildDir) + "/Tamsorley.sh"});
        bash.waitForStarted();
        bash.closeWriteChannel();
    }

    Build finish(QProcess &bash, const QString &buildDir) {
        bash.waitForFinished(60000);
        return {QString::fromUtf8(bash.readAllStandardOutput()),
                qm::testing::fileBytes(runDirOf(buildDir) + "/javac-output.txt"),
                QFile::exists(buildDir + "/fallback.log")
                    ? qm::testing::fileBytes(buildDir + "/fallback.log")
                    : QByteArray()};
    }

    // The server's JDK, but javac on the search path is the stand-in.
    JavacSetup throughServer() const {
        JavacSetup setup = real;
        setup.javac = dir("fake/javac");
        setup.archive.clear();
        setup.makeArchive = false;
        setup.server = JavacServer::instance()->address(real);
        return setup;
    }
    QString fakePath() const { return dir("fake") + ":/usr/bin:/bin"; }

    // What JavacServer starts the server with, in `serverDir`: its source, the
    // sample (the resources' own unless given) and the request pipe.
    static bool writeServerFiles(const QString &serverDir, const QByteArray &sample = {}) {
        return QDir().mkpath(serverDir) &&
               qm::testing::writeBytes(serverDir + "/JavacServer.java",
                                       qm::resourceText("JavacServer.java").toUtf8()) &&
               qm::testing::writeBytes(serverDir + "/Sample.java",
                                       sample.isEmpty() ? qm::resourceText("Sample.java").toUtf8()
                                                        : sample) &&
               qm::platform::makeNamedPipe(serverDir + "/requests");
    }

    // A processor in the build folder, as javac finds one on its class path:
    // its class and the service file naming it. It notes that it ran.
    static bool plantProcessor(const QString &buildDir, const QString &marker) {
        const QString source =
            "import java.util.Set;\n"
            "import javax.annotation.processing.*;\n"
            "import javax.lang.model.element.TypeElement;\n"
            "@SupportedAnnotationTypes(\"*\")\n"
            "public class Planted extends AbstractProcessor {\n"
            "    public synchronized void init(ProcessingEnvironment e) {\n"
            "        super.init(e);\n"
            "        try { java.nio.file.Files.writeString(java.nio.file.Path.of(\"" +
            marker +
            "\"), \"ran\"); } catch (Exception x) {}\n"
            "    }\n"
            "    public boolean process(Set<? extends TypeElement> a, RoundEnvironment r) {\n"
            "        return false;\n"
            "    }\n"
            "}\n";
        const QString services = buildDir + "/META-INF/services";
        return qm::testing::writeBytes(buildDir + "/Planted.java", source.toUtf8()) &&
               QProcess::execute("javac", {"-d", buildDir, buildDir + "/Planted.java"}) == 0 &&
               QDir().mkpath(services) &&
               qm::testing::writeBytes(services + "/javax.annotation.processing.Processor",
                                       "Planted\n");
    }

private slots:
    void initTestCase() {
        real = probeJavac(root.filePath("cache"));
        QM_REQUIRE_THAT(!real.jdk.isEmpty(), "a JDK's javac on the search path");
        QVERIFY(qm::testing::writeExecutable(dir("fake/javac"),
                                             "echo \"$@\" >> \"$FAKE_LOG\"\nexit 3"));
        // As the window's first edit starts it: once the keystroke is handled.
        JavacServer::instance()->expectBuild();
        QVERIFY(qm::testing::waitFor([] { return JavacServer::instance()->waitUntilReady(100); },
                                     std::chrono::minutes(2)));
    }

    // It yields to everything else, and later edits leave it be.
    void runsAtTheLowestPriorityOnlyOnce() {
        const qint64 pid = JavacServer::instance()->address(real).pid;
        QVERIFY(pid > 0);
        QCOMPARE(qm::testing::niceValueOf(pid), 19);
        JavacServer::instance()->expectBuild();
        QTest::qWait(200);
        QCOMPARE(JavacServer::instance()->address(real).pid, pid);
    }

    void answersOnlyForItsJdk() {
        QVERIFY(JavacServer::instance()->address(real).pid > 0);
        JavacSetup other = real;
        other.jdk = "/usr/lib/jvm/another";
        QCOMPARE(JavacServer::instance()->address(other).pid, 0);
    }

    void compilesAsJavacWould_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");     // in the console and the kept output
        QTest::addColumn<QString>("classFile"); // "" when nothing compiles
        QTest::newRow("runs") << kHello << "你好，0"
                              << "Hello.class";
        QTest::newRow("package") << "package demo.app;\n" + kHello << "你好，0"
                                 << "demo/app/Hello.class";
        // In Chinese whatever the locale, as the console's javac speaks.
        QTest::newRow("error, named as javac names it")
            << QString(kHello).replace("args.length", "args.size()")
            << "Hello.java:3: 错误: 找不到符号"
            << "";
    }
    void compilesAsJavacWould() {
        QFETCH(QString, source);
        QFETCH(QString, shown);
        QFETCH(QString, classFile);
        const QString name = QTest::currentDataTag();
        const QString buildDir = writeBuild(name, source, throughServer());
        QProcess bash;
        start(bash, buildDir, fakePath());
        const Build build = finish(bash, buildDir);
        QCOMPARE(build.fallback, QByteArray());
        QVERIFY2(build.console.contains(shown), qPrintable(build.console));
        QVERIFY(!build.console.contains(runDirOf(buildDir)));
        const QString classes = runDirOf(buildDir) + "/classes/";
        if (classFile.isEmpty()) {
            QVERIFY(QString::fromUtf8(build.kept).startsWith(shown));
            QVERIFY(!QFile::exists(classes + "Hello.class"));
        } else {
            QVERIFY(QFile::exists(classes + classFile));
            // -g: the names of local variables are kept.
            QProcess javap;
            javap.start("javap", {"-l", classes + classFile});
            QVERIFY(javap.waitForFinished(30000));
            QVERIFY(javap.readAllStandardOutput().contains("LocalVariableTable"));
        }
    }

    // An annotation processor someone planted in the build folder runs in
    // neither javac: the warm one nor the console's own.
    void plantedProcessorNeverRuns_data() {
        QTest::addColumn<bool>("warm");
        QTest::newRow("warm javac") << true;
        QTest::newRow("console's javac") << false;
    }

    void plantedProcessorNeverRuns() {
        QFETCH(bool, warm);
        const QString name = QString("planted-") + (warm ? "warm" : "console");
        const QString marker = dir(name + ".ran");
        JavacSetup setup = throughServer();
        QString path = fakePath();
        if (!warm) {
            setup.javac = QStandardPaths::findExecutable("javac");
            setup.server = {};
            path = "/usr/bin:/bin";
        }
        const QString buildDir = writeBuild(name, kHello, setup);
        QVERIFY(plantProcessor(buildDir, marker));
        QProcess bash;
        start(bash, buildDir, path);
        const Build build = finish(bash, buildDir);
        QVERIFY2(build.console.contains("你好，0"), qPrintable(build.console));
        QVERIFY(!QFileInfo::exists(marker));
    }

    void twoBuildsAtOnceBothAnswered() {
        const QString first = writeBuild("first", kHello, throughServer());
        const QString second =
            writeBuild("second", QString(kHello).replace("你好", "再见"), throughServer());
        QProcess one, two;
        start(one, first, fakePath());
        start(two, second, fakePath());
        const Build a = finish(one, first), b = finish(two, second);
        QCOMPARE(a.fallback + b.fallback, QByteArray());
        QVERIFY2(a.console.contains("你好，0"), qPrintable(a.console));
        QVERIFY2(b.console.contains("再见，0"), qPrintable(b.console));
    }

    // Last: they end the server. One that died after the script was written
    // leaves the build to javac, as does one stopped before.
    void javacRunsWhenTheServerHasGone() {
        JavacSetup setup = throughServer();
        setup.javac = QStandardPaths::findExecutable("javac");
        ::kill(pid_t(setup.server.pid), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(JavacServer::instance()->address(real).pid, 0, 10000);
        QProcess bash;
        const QString died = writeBuild("died", kHello, setup);
        start(bash, died, "/usr/bin:/bin");
        const Build build = finish(bash, died);
        QVERIFY2(build.console.contains("你好，0"), qPrintable(build.console));
    }

    // A program killed outright cannot remove the server's directory; the
    // server sees its input close and removes it before it ends.
    void endsAndTidiesWhenItsInputCloses() {
        qm::initResources();
        QTemporaryDir scratch;
        const QString dir = scratch.filePath("server");
        QVERIFY(writeServerFiles(dir, sourceCopyBytes(kHello)));
        QProcess java;
        java.setWorkingDirectory(dir);
        java.start(real.jdk + "/bin/java", {"JavacServer.java", "requests", "Sample.java"});
        QVERIFY(java.waitForReadyRead(120000));
        QCOMPARE(java.readLine().trimmed(), "ready");
        java.closeWriteChannel();
        QVERIFY(java.waitForFinished(10000));
        QCOMPARE(java.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(dir));
    }

    // The program ends while the warm-up writes its class files: the server
    // still removes its whole directory before it ends.
    void tidiesWhenItsProgramEndsDuringWarmUp() {
        qm::initResources();
        for (int round = 0; round < 3; ++round) {
            const QString serverDir = dir("warming-" + QString::number(round));
            QVERIFY(writeServerFiles(serverDir));
            QProcess java;
            java.setWorkingDirectory(serverDir);
            java.start(real.jdk + "/bin/java", {"JavacServer.java", "requests", "Sample.java"});
            QVERIFY(qm::testing::waitFor(
                [&] {
                    QDirIterator found(serverDir, {"*.class"}, QDir::Files,
                                       QDirIterator::Subdirectories);
                    return found.hasNext();
                },
                60s));
            java.closeWriteChannel();
            QVERIFY(java.waitForFinished(20000));
            QCOMPARE(java.exitCode(), 0);
            QVERIFY2(!QFileInfo::exists(serverDir), qPrintable(serverDir));
        }
    }

    void noServerAfterStop() {
        JavacServer::instance()->start(real);
        JavacServer::instance()->stop();
        QCOMPARE(JavacServer::instance()->address(real).pid, 0);
    }
};

} // namespace

QTEST_GUILESS_MAIN(TestJavacServer)
#include "test_javac_server.moc"
