// Finding the JDK behind the javac on the search path, and which archive of
// its classes may be used or should be made.

#include "build/javac_probe.h"
#include "test_files.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/time.h>

using namespace qm::build;

namespace {

const QByteArray kRelease = "IMPLEMENTOR=\"Debian\"\n"
                            "JAVA_RUNTIME_VERSION=\"17.0.15+6-Debian-1deb12u1\"\n"
                            "JAVA_VERSION=\"17.0.15\"\n";

// Sets the file's times `seconds` from now.
bool touchedAt(const QString &path, qint64 seconds) {
    const timeval at{QDateTime::currentSecsSinceEpoch() + seconds, 0};
    const timeval times[2] = {at, at};
    return ::utimes(QFile::encodeName(path).constData(), times) == 0;
}

} // namespace

class TestJavacProbe : public QObject {
    Q_OBJECT

private slots:
    void init() {
        root.reset(new QTemporaryDir);
        QVERIFY(root->isValid());
        jdk = root->filePath("jvm/jdk-17");
        QVERIFY(qm::testing::writeExecutable(jdk + "/bin/javac", ""));
        QVERIFY(qm::testing::writeBytes(jdk + "/release", kRelease));
        // Found through a link, as /usr/bin/javac is on Debian.
        QVERIFY(QDir().mkpath(root->filePath("bin")));
        QVERIFY(QFile::link(jdk + "/bin/javac", root->filePath("bin/javac")));
        cache = root->filePath("cache");
        QVERIFY(QDir().mkpath(cache));
    }

    void versionFromTheReleaseFile_data() {
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<QString>("version");
        QTest::newRow("runtime version wins") << kRelease << "17.0.15+6-Debian-1deb12u1";
        QTest::newRow("only the plain version")
            << QByteArray("JAVA_VERSION=\"11.0.2\"\n") << "11.0.2";
        QTest::newRow("JDK 8") << QByteArray("JAVA_VERSION=\"1.8.0_392\"\nOS_NAME=\"Linux\"\n")
                               << "1.8.0_392";
        QTest::newRow("unfit characters")
            << QByteArray("JAVA_RUNTIME_VERSION=\"17 (build/1*)\"\n") << "17__build_1__";
        QTest::newRow("similar key") << QByteArray("JAVA_VERSION_DATE=\"2025-04-15\"\n") << "";
        QTest::newRow("CR LF") << QByteArray("JAVA_VERSION=\"21\"\r\n") << "21";
        QTest::newRow("none") << QByteArray("IMPLEMENTOR=\"x\"\n") << "";
    }

    void versionFromTheReleaseFile() {
        QFETCH(QByteArray, release);
        QFETCH(QString, version);
        QCOMPARE(jdkVersion(QString::fromUtf8(release)), version);
    }

    // An archive's name holds its MD5 sum. One that holds something else is
    // removed, as is one named by its size as before; another JDK's stays.
    void archiveMustHoldTheSumItsNameNames_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("stays");
        const QString v = "javac-17.0.15+6-Debian-1deb12u1-";
        const QString sum = QCryptographicHash::hash("archive", QCryptographicHash::Md5).toHex();
        QTest::newRow("sound") << v + sum + ".jsa" << QByteArray("archive") << true << true;
        QTest::newRow("truncated") << v + sum + ".jsa" << QByteArray("arch") << false << false;
        QTest::newRow("a byte changed")
            << v + sum + ".jsa" << QByteArray("archivf") << false << false;
        QTest::newRow("empty") << v + sum + ".jsa" << QByteArray() << false << false;
        QTest::newRow("named by its size")
            << v + "7.jsa" << QByteArray("archive") << false << false;
        QTest::newRow("another JDK") << "javac-17.0.14+7-Debian-1deb12u1-" + sum + ".jsa"
                                     << QByteArray("archive") << false << true;
        QTest::newRow("a temporary name")
            << v + sum + ".jsa.tmp" << QByteArray("archive") << false << true;
    }

    void archiveMustHoldTheSumItsNameNames() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, sound);
        QFETCH(bool, stays);
        QVERIFY(qm::testing::writeBytes(cache + "/" + file, content));
        const JavacSetup setup = probeJavac(cache, {root->filePath("bin")});
        QCOMPARE(setup.archive, sound ? cache + "/" + file : QString());
        QCOMPARE(setup.makeArchive, !sound);
        QCOMPARE(QFileInfo::exists(cache + "/" + file), stays);
    }

    // Checked once, not at every build; a change to it is seen.
    void archiveIsReadAgainOnlyWhenItChanges() {
        const QString name = "javac-17.0.15+6-Debian-1deb12u1-" +
                             QCryptographicHash::hash("archive", QCryptographicHash::Md5).toHex() +
                             ".jsa";
        const QString archive = cache + "/" + name;
        QVERIFY(qm::testing::writeBytes(archive, "archive"));
        QCOMPARE(probeJavac(cache, {root->filePath("bin")}).archive, archive);
        QFile file(archive);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.write("ARCHIVE") == 7);
        file.close();
        QVERIFY(touchedAt(archive, 5));
        QCOMPARE(probeJavac(cache, {root->filePath("bin")}).archive, QString());
        QVERIFY(!QFileInfo::exists(archive));
    }

    void jdkBehindTheLink() {
        const JavacSetup setup = probeJavac(cache, {root->filePath("bin")});
        QCOMPARE(setup.javac, root->filePath("bin/javac"));
        QCOMPARE(setup.jdk, QFileInfo(jdk).canonicalFilePath());
        QCOMPARE(setup.version, "17.0.15+6-Debian-1deb12u1");
        QCOMPARE(setup.cacheDirectory, cache);
        QVERIFY(setup.makeArchive);
    }

    void noJdkNoArchive_data() {
        QTest::addColumn<QString>("situation");
        QTest::newRow("no javac") << "no javac";
        QTest::newRow("javac without a release file") << "no release";
        QTest::newRow("a wrapper named otherwise") << "wrapper";
    }

    void noJdkNoArchive() {
        QFETCH(QString, situation);
        QStringList dirs{root->filePath("bin")};
        if (situation == "no javac")
            dirs = {root->filePath("empty")};
        if (situation == "no release")
            QFile::remove(jdk + "/release");
        if (situation == "wrapper") {
            // A shim that is not a JDK's javac, even beside a release file.
            QFile::remove(root->filePath("bin/javac"));
            QVERIFY(qm::testing::writeExecutable(jdk + "/bin/shim", ""));
            QVERIFY(QFile::link(jdk + "/bin/shim", root->filePath("bin/javac")));
        }
        const JavacSetup setup = probeJavac(cache, dirs);
        QVERIFY(setup.jdk.isEmpty());
        QVERIFY(setup.archive.isEmpty());
        QVERIFY(!setup.makeArchive);
    }

    void whenNotToMakeOne_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("make");
        QTest::newRow("this JDK failed before") << "failed" << false;
        // The note of a failure lasts a day, or until the disk has more room.
        QTest::newRow("failed a day ago") << "failed long ago" << true;
        QTest::newRow("failed with no room, room now") << "failed for room" << true;
        QTest::newRow("failed with room to spare") << "failed with room" << false;
        QTest::newRow("another JDK failed before") << "other failed" << true;
        QTest::newRow("a build is making it") << "fresh work" << false;
        QTest::newRow("work left long ago") << "old work" << true;
        QTest::newRow("cache with a colon") << "colon" << false;
    }

    void whenNotToMakeOne() {
        QFETCH(QString, situation);
        QFETCH(bool, make);
        const QString version = "17.0.15+6-Debian-1deb12u1";
        QString cacheDir = cache;
        const QString failed = cache + "/javac-" + version + ".failed";
        if (situation == "failed" || situation == "failed long ago")
            QVERIFY(qm::testing::writeBytes(failed, ""));
        if (situation == "failed long ago")
            QVERIFY(touchedAt(failed, -25 * 3600));
        if (situation == "failed for room")
            QVERIFY(qm::testing::writeBytes(failed, "0\n"));
        if (situation == "failed with room")
            QVERIFY(qm::testing::writeBytes(
                failed, QByteArray::number(QStorageInfo(cache).bytesAvailable()) + "\n"));
        if (situation == "other failed")
            QVERIFY(qm::testing::writeBytes(cache + "/javac-11.0.2.failed", ""));
        if (situation.endsWith("work")) {
            const QString work = cache + "/.javac-" + version + "-Ab12Cd";
            QVERIFY(QDir().mkpath(work));
            if (situation == "old work") {
                QVERIFY(touchedAt(work, -3600));
            }
        }
        if (situation == "colon") {
            cacheDir = root->filePath("a:b");
            QVERIFY(QDir().mkpath(cacheDir));
        }
        const JavacSetup setup = probeJavac(cacheDir, {root->filePath("bin")});
        QCOMPARE(setup.makeArchive, make);
        QCOMPARE(setup.cacheDirectory.isEmpty(), situation == "colon");
    }

private:
    std::unique_ptr<QTemporaryDir> root;
    QString jdk;
    QString cache;
};

QTEST_GUILESS_MAIN(TestJavacProbe)
#include "test_javac_probe.moc"
