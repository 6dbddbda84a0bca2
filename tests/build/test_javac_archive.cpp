// javac's class-data archive with the real JDK: made by the program's
// background job, at the lowest priority; the bash script run without a
// console uses it. Whatever lies in the cache, the build compiles and runs,
// and the JVM prints nothing of it; jobs and builds at the same time share
// the cache safely.

#include "build/build_script.h"
#include "build/javac_archive.h"
#include "process_cpu.h"
#include "requirements.h"
#include "run_layout.h"
#include "test_files.h"
#include "wait_for.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>

using namespace qm::build;
using namespace std::chrono_literals;

namespace {

const QString kProgram = QStringLiteral("public class Hello {\n"
                                        "    public static void main(String[] args) {\n"
                                        "        System.out.println(\"你好，archive\");\n"
                                        "    }\n"
                                        "}\n");

QStringList archivesIn(const QString &cache) {
    return QDir(cache).entryList({"javac-*.jsa"}, QDir::Files, QDir::Name);
}

// The MD5 sum of the file at `path`, as an archive's name holds it.
QString md5Of(const QString &path) {
    return QCryptographicHash::hash(qm::testing::fileBytes(path), QCryptographicHash::Md5).toHex();
}

// The sum the name holds is the file's.
bool archiveSound(const QString &cache, const QString &name) {
    return name.section('-', -1).chopped(4) == md5Of(cache + "/" + name);
}

bool waitForArchive(const QString &cache) {
    return qm::testing::waitFor([&] { return !archivesIn(cache).isEmpty(); }, 60s);
}

// The javac of a JDK other than the one on the search path; "" when there is none.
QString otherJdkJavac() {
    const QString ours = QFileInfo(QStandardPaths::findExecutable("javac")).canonicalFilePath();
    const QFileInfoList jdks =
        QDir("/usr/lib/jvm").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &jdk : jdks) {
        const QFileInfo javac(jdk.filePath() + "/bin/javac");
        if (javac.isExecutable() && javac.canonicalFilePath() != ours)
            return javac.filePath();
    }
    return {};
}

// The nice values of the processes making an archive in `cache`.
QList<int> niceValuesOfArchiveMakers(const QString &cache) {
    QList<int> values;
    const QStringList pids = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
    for (const QString &pid : pids) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        const QByteArray words = cmdline.open(QIODevice::ReadOnly) ? cmdline.readAll() : "";
        // `nice` itself runs at the old priority until it has set the new
        // one and become the command.
        QFile comm("/proc/" + pid + "/comm");
        const bool stillNice = comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "nice";
        if (words.contains("ArchiveClassesAtExit=" + cache.toUtf8()) && !stillNice)
            values << qm::testing::niceValueOf(pid.toLongLong());
    }
    return values;
}

bool workLeft(const QString &cache) {
    return !QDir(cache).entryList({".javac-*"}, QDir::Dirs | QDir::Hidden).isEmpty();
}

// One build: the script written into a run folder beside `buildDir`, as
// Comp lays it out, and started with bash.
std::unique_ptr<QProcess> startBuild(const QString &buildDir, const QString &cache) {
    const QString runDir = buildDir + "-run";
    const BuildPlaces places = qm::testing::layOutRunFolder(runDir, buildDir);
    qm::testing::writeBytes(runDir + "/Hello.java", sourceCopyBytes(kProgram));
    const QString script = runDir + "/Tamsorley.sh";
    qm::testing::writeBytes(
        script, textFileBytes(posixScriptLines(places, probeJavac(cache), ScriptTarget{"Hello"}),
                              qm::platform::ScriptKind::Posix));
    auto bash = std::make_unique<QProcess>();
    bash->setProcessChannelMode(QProcess::MergedChannels);
    bash->start("/bin/bash", {script});
    bash->waitForStarted();
    bash->closeWriteChannel();
    return bash;
}

QString finish(QProcess &bash) {
    bash.waitForFinished(60000);
    return QString::fromUtf8(bash.readAll());
}

QString runBuild(const QString &buildDir, const QString &cache) {
    return finish(*startBuild(buildDir, cache));
}

// Changes the first digit of the JDK build `version` in the archive's
// header: the JVM then takes it for another build's.
bool claimAnotherBuild(const QString &path, const QString &version) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFile::WriteOwner);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const qsizetype at = file.read(64 * 1024).indexOf(version.toLatin1());
    return at >= 0 && file.seek(at) && file.write("9", 1) == 1;
}

void damage(const QString &path, const QString &how) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFile::WriteOwner);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    if (how == "truncated") {
        file.resize(size / 3);
    } else if (how == "bytes changed inside") {
        for (qint64 at : {size / 4, size / 2, size * 3 / 4}) {
            file.seek(at);
            file.write("\xde\xad\xbe\xef\xde\xad\xbe\xef");
        }
    } else if (how == "random bytes") {
        QByteArray noise(size, 0);
        QRandomGenerator(5).fillRange(reinterpret_cast<quint32 *>(noise.data()), size / 4);
        file.write(noise);
    } else if (how == "empty") {
        file.resize(0);
    }
}

} // namespace

class TestJavacArchive : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(qm::testing::missingTools({"javac", "java", "bash"}));
        QVERIFY(root.isValid());
        // One sound archive, made the way the program's first start makes it,
        // by a job that yields to everything else.
        QVERIFY(makeArchiveIfMissing(cache()));
        QVERIFY(qm::testing::waitFor([&] { return workLeft(cache()); }, 10s));
        QVERIFY(!makeArchiveIfMissing(cache())); // one is being made
        QList<int> nice;
        QVERIFY(qm::testing::waitFor(
            [&] { return !(nice = niceValuesOfArchiveMakers(cache())).isEmpty(); }, 10s));
        for (int value : nice)
            QCOMPARE(value, 19);
        QVERIFY(waitForArchive(cache()));
        QVERIFY(!makeArchiveIfMissing(cache())); // it is there
        const QString output = runBuild(root.filePath("first"), cache());
        QVERIFY2(output.contains("你好，archive"), qPrintable(output));
        const QStringList archives = archivesIn(cache());
        QCOMPARE(archives.size(), 1);
        QVERIFY(archiveSound(cache(), archives.first()));
        soundArchive = root.filePath("sound.jsa");
        QVERIFY(QFile::copy(cache() + "/" + archives.first(), soundArchive));
        archiveName = archives.first();
        QTRY_VERIFY_WITH_TIMEOUT(!workLeft(cache()), 10000);
    }

    void damagedArchiveNeverBreaksTheBuild_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("keepsName");
        // The name still holds the sound archive's sum: the program removes it.
        QTest::newRow("truncated") << "truncated" << true;
        QTest::newRow("bytes changed inside") << "bytes changed inside" << true;
        QTest::newRow("random bytes") << "random bytes" << true;
        // Its name holds the sum of what it holds: the JVM gets it.
        QTest::newRow("empty, named so") << "empty" << false;
        QTest::newRow("truncated, named so") << "truncated" << false;
        QTest::newRow("bytes changed inside, named so") << "bytes changed inside" << false;
    }

    void damagedArchiveNeverBreaksTheBuild() {
        QFETCH(QString, how);
        QFETCH(bool, keepsName);
        const QString damagedCache = root.filePath("damaged");
        QDir(damagedCache).removeRecursively();
        QVERIFY(QDir().mkpath(damagedCache));
        const QString copy = damagedCache + "/work.jsa";
        QVERIFY(QFile::copy(soundArchive, copy));
        damage(copy, how);
        const QString version = archiveName.section('-', 0, -2);
        const QString name = keepsName ? archiveName : version + "-" + md5Of(copy) + ".jsa";
        QVERIFY(QFile::rename(copy, damagedCache + "/" + name));

        const QString buildDir = root.filePath("build-" + how);
        const QString output = runBuild(buildDir, damagedCache);
        QVERIFY2(output.contains("你好，archive\n"), qPrintable(output));
        QVERIFY2(output.contains("运行结束，退出代码 0"), qPrintable(output));
        for (const char *noise : {"rror", "arning", "fatal", "cds", "shared archive"})
            QVERIFY2(!output.contains(noise), qPrintable(output));
        QVERIFY(QDir(buildDir).entryList({"hs_err*"}, QDir::Files).isEmpty());
        // A damaged archive the build's probe removed is made again after it.
        if (keepsName)
            QVERIFY(probeJavac(damagedCache).makeArchive);
    }

    // Made by a second JDK where one is installed; else this JDK's archive
    // with the build named in its header changed, as another HotSpot build
    // would have written it.
    void archiveFromAnotherJdkIsIgnored() {
        const QString otherCache = root.filePath("other");
        QVERIFY(QDir().mkpath(otherCache));
        const QString made = otherCache + "/made.jsa";
        const QString other = otherJdkJavac();
        if (other.isEmpty()) {
            QVERIFY(QFile::copy(soundArchive, made));
            QVERIFY(claimAnotherBuild(made, archiveName.section('-', 1, -2)));
        } else {
            QProcess dump;
            dump.setWorkingDirectory(root.path());
            dump.start(other, {"-J-XX:ArchiveClassesAtExit=" + made, "-d", root.filePath("o"),
                               root.filePath("first/Hello.java")});
            QVERIFY(dump.waitForFinished(60000) && QFile::exists(made));
        }
        const QString version = archiveName.section('-', 0, -2);
        QVERIFY(QFile::rename(made, otherCache + "/" + version + "-" + md5Of(made) + ".jsa"));
        const QString output = runBuild(root.filePath("build-other"), otherCache);
        QVERIFY2(output.contains("你好，archive\n"), qPrintable(output));
        QVERIFY2(!output.contains("rror") && !output.contains("arning"), qPrintable(output));
    }

    void buildsAtTheSameTimeBothSucceed() {
        // A cold cache: two programs may set out to make the archive while
        // builds run.
        const QString shared = root.filePath("shared");
        JavacSetup setup = probeJdk();
        setup.cacheDirectory = shared;
        QVERIFY(startArchiveJob(setup));
        QVERIFY(startArchiveJob(setup));
        auto one = startBuild(root.filePath("one"), shared);
        auto two = startBuild(root.filePath("two"), shared);
        const QString first = finish(*one);
        const QString second = finish(*two);
        for (const QString &output : {first, second}) {
            QVERIFY2(output.contains("你好，archive\n"), qPrintable(output));
            QVERIFY2(output.contains("运行结束，退出代码 0"), qPrintable(output));
        }
        QVERIFY(waitForArchive(shared));
        QTRY_VERIFY_WITH_TIMEOUT(!workLeft(shared), 60000);
        for (const QString &archive : archivesIn(shared))
            QVERIFY2(archiveSound(shared, archive), qPrintable(archive));

        // Warm now: two more at once, using it.
        auto three = startBuild(root.filePath("three"), shared);
        auto four = startBuild(root.filePath("four"), shared);
        QVERIFY(finish(*three).contains("你好，archive\n"));
        QVERIFY(finish(*four).contains("你好，archive\n"));
    }

private:
    QString cache() const { return root.filePath("cache"); }

    QTemporaryDir root;
    QString soundArchive;
    QString archiveName;
};

QTEST_GUILESS_MAIN(TestJavacArchive)
#include "test_javac_archive.moc"
