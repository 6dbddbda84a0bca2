// The warm javac's end, with a stand-in JVM that never gets ready: the
// program may end during its warm-up without touching freed memory (the
// sanitizer build reports the slightest slip), and once the program is
// quitting no server starts. Each ending runs in a child process of this
// test, which must exit cleanly and quietly.

#include "build/javac_server.h"
#include "test_files.h"
#include "wait_for.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstring>

using namespace qm::build;
using namespace std::chrono_literals;

namespace {

const char *const kChildOption = "--end-during-warm-up";

// A JDK whose java notes that it started and then warms up for ever.
JavacSetup fakeJdk(const QString &root) {
    const QString jdk = root + "/jdk";
    qm::testing::writeExecutable(jdk + "/bin/java", "touch \"$STARTED\"\nexec sleep 600");
    JavacSetup setup;
    setup.javac = jdk + "/bin/javac";
    setup.jdk = jdk;
    return setup;
}

// The child: starts the server and lets the application end while it warms
// up. Strings of the length of the server's own are then made and dropped:
// a write into one freed before shows as the allocator's abort.
int endDuringWarmUp(int argc, char **argv, const QString &root) {
    bool started = false;
    {
        QCoreApplication app(argc, argv);
        JavacServer::instance()->start(fakeJdk(root));
        const QString marker = qEnvironmentVariable("STARTED");
        started = qm::testing::waitFor([&] { return QFileInfo::exists(marker); }, 10s);
    }
    QList<QString> churn;
    for (int i = 0; i < 64; ++i)
        churn << root + QStringLiteral("/jdk");
    churn.clear();
    return started ? 0 : 3;
}

class TestJavacServerEnd : public QObject {
    Q_OBJECT

private slots:
    void programMayEndDuringWarmUp() {
        QTemporaryDir root;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("STARTED", root.filePath("started"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {kChildOption, root.path()});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray said = child.readAllStandardError();
        QVERIFY2(QFileInfo::exists(root.filePath("started")), said.constData());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 said.constData());
        QVERIFY2(!said.contains("Sanitizer") && !said.contains("corrupted"), said.constData());
    }

    // Closing the main window says the program is quitting: a build that
    // returns afterwards must not start a JVM that nobody will use.
    void noStartOnceQuitting() {
        QTemporaryDir root;
        qputenv("STARTED", root.filePath("started").toUtf8());
        JavacServer *const server = JavacServer::instance();
        const JavacSetup setup = fakeJdk(root.path());
        server->shutDown();
        server->start(setup);
        QTest::qWait(300);
        QVERIFY(!QFileInfo::exists(root.filePath("started")));
        QVERIFY(server->address(setup).directory.isEmpty());
    }
};

} // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildOption) == 0)
        return endDuringWarmUp(argc, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestJavacServerEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_javac_server_end.moc"
