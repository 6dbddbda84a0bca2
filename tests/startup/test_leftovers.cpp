// What a killed run of the program leaves behind, cleared at the next start:
// its run folders and its warm javac's folder (a child of this test plays the
// program and is killed outright), and the temporary files of its writes.
// What another run still uses stays: a younger temporary file, a run folder
// whose console still runs, the folders of a program that still runs.

#include "build/javac_server.h"
#include "launcher/run_folder.h"
#include "startup/leftovers.h"
#include "temporary_home.h"
#include "test_files.h"
#include "wait_for.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

const char *const kChildOption = "--make-folders-and-wait";

// The child: a run folder of a build and a warm javac warming up (its java
// a stand-in that ends with its input), then it waits to be killed.
int makeFoldersAndWait(int argc, char **argv, const QString &root) {
    QCoreApplication app(argc, argv);
    const qm::RunFolder run;
    qm::testing::writeExecutable(root + "/jdk/bin/java", "exec cat >/dev/null");
    qm::build::JavacSetup setup;
    setup.jdk = root + "/jdk";
    qm::build::JavacServer::instance()->start(setup);
    qm::testing::writeBytes(root + "/ready", "");
    QTest::qWait(60000);
    return 0;
}

QStringList foldersIn(const QString &base, const QString &prefix) {
    return QDir(base).entryList({prefix + "*"}, QDir::Dirs);
}

bool touchedAt(const QString &path, qint64 seconds) {
    const timeval at{QDateTime::currentSecsSinceEpoch() + seconds, 0};
    const timeval times[2] = {at, at};
    return ::utimes(QFile::encodeName(path).constData(), times) == 0;
}

// A pid no process has: one that has just ended.
qint64 endedPid() {
    QProcess gone;
    gone.start("true");
    gone.waitForFinished();
    return gone.processId() > 0 ? gone.processId() : 999999;
}

class TestLeftovers : public QObject {
    Q_OBJECT

    qm::testing::TemporaryHome home;

    QString runtime() const { return home.filePath("runtime"); }
    QString temp() const { return home.filePath("tmp"); }

private slots:
    void initTestCase() {
        QVERIFY(home.isValid());
        for (const QString &dir : {runtime(), temp()})
            QVERIFY(QDir().mkpath(dir));
        home.environment().set("XDG_RUNTIME_DIR", runtime());
        home.environment().set("TMPDIR", temp());
    }

    void foldersOfAKilledRunGo() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kChildOption, home.path()});
        QVERIFY(qm::testing::waitFor([&] { return QFile::exists(home.filePath("ready")); }, 10s));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(5000));
        QCOMPARE(foldersIn(runtime(), "quillmoss-run-").size(), 1);
        QCOMPARE(foldersIn(temp(), "quillmoss-javac-").size(), 1);

        qm::clearLeftovers(home.filePath("config"), "~/My Java");
        QCOMPARE(foldersIn(runtime(), "quillmoss-run-"), QStringList{});
        QCOMPARE(foldersIn(temp(), "quillmoss-javac-"), QStringList{});
    }

    // Its program has ended, but its console still runs the program it built:
    // a wrapper holds the pipe.
    void runFolderOfARunningConsoleStays() {
        const QString folder =
            runtime() + "/quillmoss-run-" + QString::number(endedPid()) + "-AbCd12";
        QVERIFY(QDir().mkpath(folder));
        const QByteArray pipe = QFile::encodeName(folder + "/end");
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
        const int writer = ::open(pipe.constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(writer >= 0);
        qm::clearLeftovers(home.filePath("config"), "~/My Java");
        QVERIFY(QFileInfo::exists(folder));
        ::close(writer);
        qm::clearLeftovers(home.filePath("config"), "~/My Java");
        QVERIFY(!QFileInfo::exists(folder));
    }

    // This run's own folders stay, as do names the program never makes.
    void foldersInUseOrNotOursStay() {
        const QString own = runtime() + "/quillmoss-run-" +
                            QString::number(QCoreApplication::applicationPid()) + "-AbCd12";
        const QString odd = temp() + "/quillmoss-javac-notes";
        for (const QString &folder : {own, odd})
            QVERIFY(QDir().mkpath(folder));
        qm::clearLeftovers(home.filePath("config"), "~/My Java");
        QVERIFY(QFileInfo::exists(own) && QFileInfo::exists(odd));
    }

    // The temporary files of the program's writes, once older than a minute,
    // in the program's folder, the source folder and the build folder.
    void staleTemporaryFilesGo() {
        const QStringList folders{home.filePath("config"), home.filePath("My Java"),
                                  home.filePath("My Java/ClassFiles")};
        for (const QString &folder : folders) {
            QVERIFY(QDir().mkpath(folder));
            for (const char *name : {".Tamsorley.sh.quillmoss-AbC123", ".young.quillmoss-AbC123",
                                     "Hello.java.backup", ".Hello.java.quillmoss-toolong7"})
                QVERIFY(qm::testing::writeBytes(folder + "/" + name, "x"));
            QVERIFY(touchedAt(folder + "/.Tamsorley.sh.quillmoss-AbC123", -120));
            QVERIFY(touchedAt(folder + "/Hello.java.backup", -120));
            QVERIFY(touchedAt(folder + "/.Hello.java.quillmoss-toolong7", -120));
        }
        qm::clearLeftovers(home.filePath("config"), "~/My Java");
        for (const QString &folder : folders)
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                     (QStringList{".Hello.java.quillmoss-toolong7", ".young.quillmoss-AbC123",
                                  "Hello.java.backup"}));
    }
};

} // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildOption) == 0)
        return makeFoldersAndWait(argc, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestLeftovers test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_leftovers.moc"
