// Builds on a shared machine and builds at the same time: a build folder
// another user could change is refused, as is a Path the system cannot name
// or files that cannot be written whole; nothing is then written or run. Two
// builds of the same folder never compile each other's source or take each
// other's class files. A stand-in terminal runs the console's script in
// place, with stand-ins for javac and java that log what they see.

#include "build/comp.h"
#include "launcher/terminal.h"
#include "requirements.h"
#include "temporary_home.h"
#include "test_files.h"
#include "wait_for.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

using namespace qm::build;
using namespace std::chrono_literals;

namespace {

const QString kPath = QStringLiteral("~/My Java");

// The terminal notes its start and runs the wrapper in place. The first
// one of a test waits,
// when WAIT_IN says so, until the test has built again meanwhile.
const QByteArray kTerminal = R"(echo started >> "$MARKS/terminal"
first=
[ -e "$MARKS/outer" ] || { touch "$MARKS/outer"; first=yes; }
if [ "$WAIT_IN" = terminal ] && [ -n "$first" ]; then
  for _ in $(seq 100); do [ -e "$MARKS/inner-done" ] && break; sleep 0.05; done
fi
"$@" </dev/null >/dev/null 2>&1)";

// Logs the source it compiles and makes two class files of its name where
// -d says.
const QByteArray kJavac = R"(dir=. prev=
for a; do [ "$prev" = -d ] && dir=$a; prev=$a; done
cat -- "$prev" >> "$MARKS/javac"
touch -- "$dir/${prev%.java}.class" "$dir/${prev%.java}\$1.class")";

// Logs whether the class files of the class it runs are there, on the first
// entry of its class path; the first one run waits first, when WAIT_IN says
// so, until the test has built again meanwhile.
const QByteArray kJava = R"(cp=. prev=
for a; do [ "$prev" = -cp ] && cp=$a; prev=$a; done
if [ "$WAIT_IN" = java ] && [ ! -e "$MARKS/java-waited" ]; then
  touch "$MARKS/java-waited"
  for _ in $(seq 100); do [ -e "$MARKS/inner-done" ] && break; sleep 0.05; done
fi
if [ -e "${cp%%:*}/$prev.class" ] && [ -e "${cp%%:*}/$prev\$1.class" ]; then r=classes; else r=gone; fi
echo "$prev $r" >> "$MARKS/java")";

QString program(const QString &word) {
    return QStringLiteral("public class Alpha {\n"
                          "    public static void main(String[] args) {\n"
                          "        Runnable r = new Runnable() { public void run() {} };\n"
                          "        System.out.println(\"%1\");\n"
                          "    }\n"
                          "}")
        .arg(word);
}

AfterRunValues deleting(const QString &path = kPath) {
    return AfterRunValues{path, 0, {"Alpha"}, 1};
}

} // namespace

class TestBuildSafety : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(home.isValid());
        const QString bin = home.filePath("bin");
        QVERIFY(qm::testing::writeExecutable(bin + "/terminal", kTerminal, "/bin/bash"));
        QVERIFY(qm::testing::writeExecutable(bin + "/javac", kJavac, "/bin/bash"));
        QVERIFY(qm::testing::writeExecutable(bin + "/java", kJava, "/bin/bash"));
        QVERIFY(qm::testing::writeBytes(qm::terminalConfPath(), (bin + "/terminal\n").toUtf8()));
        home.environment().set("PATH", bin + ":/usr/bin:/bin");
        home.environment().set("MARKS", marks());
        home.environment().set("WAIT_IN", "");
        QVERIFY(QDir().mkpath(home.filePath("runtime")));
        QVERIFY(QFile::setPermissions(home.filePath("runtime"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        home.environment().set("XDG_RUNTIME_DIR", home.filePath("runtime"));
    }

    void init() {
        QDir(home.filePath("My Java")).removeRecursively();
        QDir(marks()).removeRecursively();
        QVERIFY(QDir().mkpath(marks()));
    }

    // Another user who may change the build folder, or a folder above it
    // that is not sticky, could put a class or a script there that the
    // build runs as this user.
    void unsafeFolderIsRefused_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("atFault"); // below the home
        QTest::newRow("build folder open to all")
            << "0777 ClassFiles" << int(BuildOutcome::OpenFolder) << "My Java/ClassFiles";
        QTest::newRow("build folder open to the group")
            << "0775 ClassFiles" << int(BuildOutcome::OpenFolder) << "My Java/ClassFiles";
        QTest::newRow("source folder open to all")
            << "0777 Path" << int(BuildOutcome::OpenFolder) << "My Java";
        QTest::newRow("source folder shared but sticky")
            << "1777 Path" << int(BuildOutcome::Ran) << "";
        QTest::newRow("build folder of another user")
            << "nobody ClassFiles" << int(BuildOutcome::ForeignFolder) << "My Java/ClassFiles";
        QTest::newRow("source folder of another user")
            << "nobody Path" << int(BuildOutcome::ForeignFolder) << "My Java";
        // No build folder is made inside a folder that others could change.
        QTest::newRow("new build folder in a folder open to all")
            << "0777 Path, no ClassFiles" << int(BuildOutcome::OpenFolder) << "My Java";
    }

    void unsafeFolderIsRefused() {
        QFETCH(QString, situation);
        QFETCH(int, outcome);
        QFETCH(QString, atFault);
        const QString mode = situation.section(' ', 0, 0);
        const QString folder = situation.contains("Path") ? home.filePath("My Java")
                                                          : home.filePath("My Java/ClassFiles");
        QVERIFY(QDir().mkpath(situation.contains("no ClassFiles")
                                  ? home.filePath("My Java")
                                  : home.filePath("My Java/ClassFiles")));
        if (mode == "nobody") {
            QM_REQUIRE_THAT(::geteuid() == 0, "root, to give a folder to another user");
            QVERIFY(qm::testing::OrdinaryUser::handOver(folder));
        } else {
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode.toUInt(nullptr, 8)) == 0);
        }
        const BuildResult result =
            Comp(BuildRequest{kPath, program("你好"), "Alpha"}, [] { return deleting(); });
        QCOMPARE(int(result.outcome), outcome);
        if (outcome == int(BuildOutcome::Ran)) {
            QCOMPARE(log("java"), QByteArray("Alpha classes\n"));
            return;
        }
        QCOMPARE(result.problem, home.filePath(atFault));
        QVERIFY(!QFileInfo::exists(home.filePath("My Java/ClassFiles/Tamsorley.sh")));
        QCOMPARE(QFileInfo::exists(home.filePath("My Java/ClassFiles")),
                 !situation.contains("no ClassFiles"));
        QCOMPARE(log("terminal") + log("javac"), QByteArray());
        QVERIFY(QDir(home.filePath("runtime")).isEmpty());
        const QString text = refusalText(result);
        QVERIFY2(text.contains(home.filePath(atFault)) && text.contains("你自己的文件夹") &&
                     text.endsWith("程序未编译，也未运行。"),
                 qPrintable(text));
    }

    // A Path the system cannot name makes no folder at all.
    void unnamablePathCreatesNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("outcome");
        QTest::newRow("NUL") << QString("~/My") + QChar(0) + "Java"
                             << int(BuildOutcome::UnnamableFolder);
        QTest::newRow("tab") << "~/My\tJava" << int(BuildOutcome::UnnamableFolder);
        QTest::newRow("over 4096 bytes") << "~/" + QStringList(20, QString(220, 'a')).join('/')
                                         << int(BuildOutcome::FolderTooLong);
        QTest::newRow("a part over 255 bytes")
            << "~/" + QString(256, 'a') << int(BuildOutcome::FolderTooLong);
    }

    void unnamablePathCreatesNothing() {
        QFETCH(QString, path);
        QFETCH(int, outcome);
        const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const BuildResult result =
            Comp(BuildRequest{path, program("你好"), "Alpha"}, [&] { return deleting(path); });
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(log("terminal"), QByteArray());
        QVERIFY(refusalText(result).endsWith("程序未编译，也未运行。"));
    }

    // A full disk: the copy or the script cannot be written whole. Nothing
    // runs, neither a half-written script nor the previous build's.
    void unwritableBuildRunsNothing() {
        QCOMPARE(Comp(BuildRequest{kPath, program("第一次"), "Alpha"}, [] { return deleting(); })
                     .outcome,
                 BuildOutcome::Ran);
        BuildResult result;
        {
            const qm::testing::FileSizeLimit full(16);
            result =
                Comp(BuildRequest{kPath, program("第二次"), "Alpha"}, [] { return deleting(); });
        }
        QCOMPARE(result.outcome, BuildOutcome::NotWritten);
        QVERIFY2(result.problem.startsWith(home.filePath("runtime/quillmoss-run-")),
                 qPrintable(result.problem));
        QCOMPARE(log("terminal"), QByteArray("started\n"));
        QCOMPARE(log("java"), QByteArray("Alpha classes\n"));
        QVERIFY(refusalText(result).contains("无法完整写入"));
        QVERIFY(QDir(home.filePath("runtime")).isEmpty());
    }

    // A second build of the same folder while the first one's console is
    // open (another window, a double click): the first one still compiles
    // its own source, and its program still finds its class files, also
    // those of its anonymous class.
    void buildsOfOneFolderKeepApart_data() {
        QTest::addColumn<QString>("waitIn");
        QTest::newRow("second build before the first compiles") << "terminal";
        QTest::newRow("second build while the first program runs") << "java";
    }

    void buildsOfOneFolderKeepApart() {
        QFETCH(QString, waitIn);
        home.environment().set("WAIT_IN", waitIn);
        const QString waited = marks() + (waitIn == "java" ? "/java-waited" : "/outer");
        QTimer second;
        second.setInterval(20);
        connect(&second, &QTimer::timeout, this, [&] {
            if (!QFileInfo::exists(waited))
                return;
            second.stop();
            Comp(BuildRequest{kPath, program("内层"), "Alpha"}, [] { return deleting(); });
            qm::testing::writeBytes(marks() + "/inner-done", "");
        });
        second.start();
        const BuildResult outer =
            Comp(BuildRequest{kPath, program("外层"), "Alpha"}, [] { return deleting(); });
        home.environment().set("WAIT_IN", "");
        QCOMPARE(outer.outcome, BuildOutcome::Ran);
        QVERIFY(QFileInfo::exists(marks() + "/inner-done"));
        const QString compiled = QString::fromUtf8(log("javac"));
        const QString inner = program("内层") + "\n", outerText = program("外层") + "\n";
        QCOMPARE(compiled, waitIn == "java" ? outerText + inner : inner + outerText);
        QCOMPARE(log("java"), QByteArray("Alpha classes\nAlpha classes\n"));
        QCOMPARE(QDir(home.filePath("My Java/ClassFiles")).entryList(QDir::Files),
                 QStringList{"Tamsorley.sh"});
    }

private:
    QString marks() const { return home.filePath("marks"); }
    QByteArray log(const QString &tool) const {
        const QString file = marks() + "/" + tool;
        return QFileInfo::exists(file) ? qm::testing::fileBytes(file) : QByteArray();
    }

    qm::testing::TemporaryHome home;
};

QTEST_GUILESS_MAIN(TestBuildSafety)
#include "test_build_safety.moc"
