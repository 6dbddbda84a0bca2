// What the platform layer decides for the rest of the program: where a
// directory text points, and what a write past the file-size limit does.
#include "platform/platform.h"
#include "temporary_home.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace qm;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void directories_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("below"); // "" when the text stays as it is
        QTest::newRow("absolute") << "/srv/java"
                                  << "";
        QTest::newRow("home") << "~/MyJava"
                              << "/MyJava";
        QTest::newRow("relative is below home") << "MyJava/src"
                                                << "/MyJava/src";
        QTest::newRow("windows path is relative here") << "D:\\MyJava"
                                                       << "/D:\\MyJava";
        QTest::newRow("tilde inside a name") << "a~/b"
                                             << "/a~/b";
    }

    void directories() {
        QFETCH(QString, text);
        QFETCH(QString, below);
        const QString expected = below.isEmpty() ? text : home.path() + below;
        QCOMPARE(platform::expandDirectory(text), expected);
        QCOMPARE(platform::joinPath(text, "A.java"), expected + "/A.java");
    }

    // Without the handler the first write past the limit ends the process.
    // The handler must not be inherited: programs the build starts (javac,
    // java) keep the usual behaviour.
    void fileSizeLimitFailsTheWriteOnly() {
        platform::surviveFileSizeLimit();
        QTemporaryDir dir;
        struct rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        struct rlimit tiny = saved;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
        const int fd = ::open(QFile::encodeName(dir.filePath("big")).constData(),
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const ssize_t written = ::write(fd, QByteArray(64, 'x').constData(), 64);
        const ssize_t beyond = ::write(fd, "y", 1);
        const int error = errno;
        ::close(fd);
        QProcess child;
        child.start("sh", {"-c", "head -c 64 /dev/zero > \"$0\"", dir.filePath("child")});
        const bool finished = child.waitForFinished(10000);
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(written, ssize_t(16));
        QCOMPARE(beyond, ssize_t(-1));
        QCOMPARE(error, EFBIG);
        QVERIFY(finished);
        QCOMPARE(child.exitStatus(), QProcess::NormalExit); // the shell reports its child
        QCOMPARE(child.exitCode(), 128 + SIGXFSZ);
    }

    // The locale javac would get: the first of LC_ALL, LC_CTYPE and LANG
    // that is set, and only when it is installed.
    void localeOfAnEnvironment_data() {
        QTest::addColumn<QStringList>("variables"); // NAME=value
        QTest::addColumn<bool>("utf8");
        QTest::newRow("nothing set") << QStringList{} << false;
        QTest::newRow("LANG") << QStringList{"LANG=C.UTF-8"} << true;
        QTest::newRow("plain C") << QStringList{"LANG=C"} << false;
        QTest::newRow("LC_ALL wins") << QStringList{"LC_ALL=C", "LANG=C.UTF-8"} << false;
        QTest::newRow("LC_CTYPE before LANG") << QStringList{"LC_CTYPE=C.UTF-8", "LANG=C"} << true;
        QTest::newRow("not installed") << QStringList{"LANG=xx_YY.UTF-8"} << false;
    }
    void localeOfAnEnvironment() {
        QFETCH(QStringList, variables);
        QFETCH(bool, utf8);
        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QCOMPARE(platform::localeIsUtf8(environment), utf8);
    }

private:
    qm::testing::TemporaryHome home;
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
