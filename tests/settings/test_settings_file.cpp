#include "platform/platform.h"
#include "settings/settings_file.h"
#include "startup/initialisation.h"

#include "test_files.h"

#include <QStringEncoder>
#include <QtTest>
#include <sys/stat.h>

using namespace qm;

namespace {

QString iniPath(const QString &dir) {
    return dir + QStringLiteral("/MySet.ini");
}

void writeRaw(const QString &dir, const QByteArray &bytes) {
    QVERIFY(testing::writeBytes(iniPath(dir), bytes));
}

QByteArray readRaw(const QString &dir) {
    return testing::fileBytes(iniPath(dir));
}

QByteArray fileOf(const QString &first, const QString &mode, const QString &cls,
                  const QString &path) {
    return QStringLiteral("[First+]%1[First-]\n[Mode+]%2[Mode-]\n[Class+]%3[Class-]\n"
                          "[Path+]%4[Path-]\n")
        .arg(first, mode, cls, path)
        .toUtf8();
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void getSet_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("openingLength");
        QTest::addColumn<QString>("expected");
        QTest::newRow("number") << "[Mode+]-120[Mode-]"
                                << "Mode" << 7 << "-120";
        QTest::newRow("empty value") << "[Mode+][Mode-]"
                                     << "Mode" << 7 << "";
        QTest::newRow("spaces and breaks removed") << "[First+] 1\r\n[First-]"
                                                   << "First" << 8 << "1";
        QTest::newRow("tab stays") << "[Class+]1\t[Class-]"
                                   << "Class" << 8 << "1\t";
        QTest::newRow("no opening marker") << "xxxxxxxxxx[Mode-]"
                                           << "Mode" << 7 << "";
        QTest::newRow("no closing marker") << "[Mode+]5"
                                           << "Mode" << 7 << "";
        QTest::newRow("stray closing marker first") << "[Path-][Path+]/x[Path-]"
                                                    << "Path" << 7 << "";
        QTest::newRow("first occurrence counts") << "[Mode+]1[Mode-][Mode+]2[Mode-]"
                                                 << "Mode" << 7 << "1";
        QTest::newRow("case sensitive") << "[mode+]1[mode-]"
                                        << "Mode" << 7 << "";
        QTest::newRow("other text between") << "junk[Mode+]3[Mode-]junk"
                                            << "Mode" << 7 << "3";
    }

    void getSet() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(int, openingLength);
        QFETCH(QString, expected);
        QCOMPARE(GetSet(text, key, openingLength), expected);
    }

    void load_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("cls");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("rewritten");
        // clang-format off
        QTest::newRow("all valid") << fileOf("1", "-120", "1", "/src") << 1 << -120 << 1 << "/src" << false;
        QTest::newRow("mode 600") << fileOf("1", "600", "0", "/s") << 1 << 0 << 0 << "/s" << true;
        QTest::newRow("mode -501") << fileOf("1", "-501", "0", "/s") << 1 << 0 << 0 << "/s" << true;
        QTest::newRow("mode 500") << fileOf("1", "500", "0", "/s") << 1 << 500 << 0 << "/s" << false;
        QTest::newRow("mode -500") << fileOf("1", "-500", "0", "/s") << 1 << -500 << 0 << "/s" << false;
        QTest::newRow("first 2") << fileOf("2", "0", "0", "/s") << 0 << 0 << 0 << "/s" << true;
        QTest::newRow("first 1x") << fileOf("1x", "0", "0", "/s") << 1 << 0 << 0 << "/s" << false;
        QTest::newRow("first abc reads 0") << fileOf("abc", "0", "0", "/s") << 0 << 0 << 0 << "/s" << false;
        QTest::newRow("class 0.5") << fileOf("1", "0", "0.5", "/s") << 1 << 0 << 0 << "/s" << false;
        QTest::newRow("class 1.5 rounds to 2") << fileOf("1", "0", "1.5", "/s") << 1 << 0 << 0 << "/s" << true;
        QTest::newRow("class 2.5 rounds to 2") << fileOf("1", "0", "2.5", "/s") << 1 << 0 << 0 << "/s" << true;
        QTest::newRow("hex first") << fileOf("&H1", "0", "0", "/s") << 1 << 0 << 0 << "/s" << false;
        QTest::newRow("tab inside mode") << fileOf("1", "1\t2", "0", "/s") << 1 << 12 << 0 << "/s" << false;
        QTest::newRow("mode beyond 16 bits") << fileOf("1", "70000", "0", "/s") << 1 << 0 << 0 << "/s" << true;
        QTest::newRow("path with spaces kept") << fileOf("1", "0", "0", "/home/me/My Java") << 1 << 0 << 0 << "/home/me/My Java" << false;
        QTest::newRow("spaces at the path's ends dropped") << fileOf("1", "0", "0", " /tmp/x y  ") << 1 << 0 << 0 << "/tmp/x y" << false;
        QTest::newRow("blank path is missing") << fileOf("1", "0", "0", "  ") << 1 << 0 << 0 << platform::defaultSourcePath() << true;
        QTest::newRow("keys in other order, one line")
            << QByteArray("[Path+]/p[Path-][Class+]1[Class-][Mode+]7[Mode-][First+]1[First-]")
            << 1 << 7 << 1 << "/p" << false;
        QTest::newRow("stray closing marker makes path missing")
            << QByteArray("[Path-]\n") + fileOf("1", "0", "0", "/p")
            << 1 << 0 << 0 << platform::defaultSourcePath() << true;
        QTest::newRow("closing marker split by a line break inside the path")
            << QByteArray("[First+]1[First-][Mode+]0[Mode-][Class+]0[Class-][Path+]/a[Pa\nth-]/b[Path-]")
            << 1 << 0 << 0 << platform::defaultSourcePath() << true;
        QTest::newRow("path broken over lines")
            << QByteArray("[First+]1[First-][Mode+]0[Mode-][Class+]0[Class-][Path+]/a\r\n/b[Path-]")
            << 1 << 0 << 0 << "/a/b" << false;
        // A control character would make every build fail without a word.
        QTest::newRow("NUL in the path") << fileOf("1", "0", "0", QString("/a") + QChar(0) + "b") << 1 << 0 << 0 << platform::defaultSourcePath() << true;
        QTest::newRow("tab in the path") << fileOf("1", "0", "0", "/a\tb") << 1 << 0 << 0 << platform::defaultSourcePath() << true;
        QTest::newRow("escape in the path") << fileOf("1", "0", "0", "/a\x1b[31mb") << 1 << 0 << 0 << platform::defaultSourcePath() << true;
        QTest::newRow("DEL in the path") << fileOf("1", "0", "0", "/a\x7f") << 1 << 0 << 0 << platform::defaultSourcePath() << true;
        QTest::newRow("Chinese path") << fileOf("1", "0", "0", "/home/学生/作业") << 1 << 0 << 0 << "/home/学生/作业" << false;
        // clang-format on
    }

    void load() {
        QFETCH(QByteArray, file);
        QFETCH(int, first);
        QFETCH(int, mode);
        QFETCH(int, cls);
        QFETCH(QString, path);
        QFETCH(bool, rewritten);
        QTemporaryDir dir;
        writeRaw(dir.path(), file);
        const SettingsLoad loaded = loadSettings(dir.path());
        QVERIFY(!loaded.defaulted);
        QCOMPARE(loaded.settings, (Settings{qint16(first), qint16(mode), qint16(cls), path}));
        QCOMPARE(loaded.rewritten, rewritten);
        // A rewrite stores exactly the corrected values; otherwise the file is untouched.
        const QByteArray expected =
            rewritten ? settingsFileText(loaded.settings, QStringLiteral("\n")).toUtf8() : file;
        QCOMPARE(readRaw(dir.path()), expected);
    }

    void missingFileGetsDefaultsThenFirstStart() {
        QTemporaryDir dir;
        const SettingsLoad loaded = loadSettings(dir.path());
        QVERIFY(loaded.defaulted);
        QCOMPARE(loaded.settings, defaultSettings());
        QCOMPARE(readRaw(dir.path()), fileOf("0", "0", "0", platform::defaultSourcePath()));

        QTemporaryDir second;
        const Settings started = initialiseSettings(second.path());
        QCOMPARE(started.First, qint16(1));
        QCOMPARE(readRaw(second.path()), fileOf("1", "0", "0", QDir::homePath() + "/MyJava"));
    }

    void emptyFileEndsLikeAFirstStart() {
        QTemporaryDir dir;
        writeRaw(dir.path(), QByteArray());
        const SettingsLoad loaded = loadSettings(dir.path());
        QVERIFY(!loaded.defaulted);
        QVERIFY(loaded.rewritten);
        initialiseSettings(dir.path());
        QCOMPARE(readRaw(dir.path()), fileOf("1", "0", "0", platform::defaultSourcePath()));
    }

    void largeGarbageFileWithKeysAtItsEnd() {
        QTemporaryDir dir;
        QByteArray garbage;
        garbage.reserve(1 << 20);
        quint32 seed = 7;
        while (garbage.size() < (1 << 20)) {
            seed = seed * 1103515245u + 12345u;
            const char c = char(32 + (seed >> 16) % 90);
            garbage.append(c == '[' ? ' ' : c); // no accidental markers
            if ((seed >> 8) % 97 == 0)
                garbage.append('\n');
        }
        writeRaw(dir.path(), garbage + fileOf("1", "-37", "1", "/deep"));
        const SettingsLoad loaded = loadSettings(dir.path());
        QCOMPARE(loaded.settings, (Settings{1, -37, 1, "/deep"}));
        QVERIFY(!loaded.rewritten);
    }

    void crlfAndLfFilesReadAlike() {
        QTemporaryDir lf, crlf;
        const QByteArray unix = fileOf("1", "25", "1", "/a b");
        QByteArray dos = unix;
        dos.replace("\n", "\r\n");
        writeRaw(lf.path(), unix);
        writeRaw(crlf.path(), dos);
        QCOMPARE(loadSettings(lf.path()).settings, loadSettings(crlf.path()).settings);
        QCOMPARE(loadSettings(crlf.path()).settings.Path, QStringLiteral("/a b"));
    }

    void writesTheFourLinesExactly() {
        QTemporaryDir dir;
        QVERIFY(WriteSettings(dir.path(), 1, -120, 0, QStringLiteral("/home/我的 Java")));
        QCOMPARE(readRaw(dir.path()),
                 QByteArray("[First+]1[First-]\n[Mode+]-120[Mode-]\n[Class+]0[Class-]\n"
                            "[Path+]/home/\xe6\x88\x91\xe7\x9a\x84 Java[Path-]\n"));
        QCOMPARE(settingsFileText({0, 0, 0, "D:\\MyJava"}, "\r\n"),
                 QStringLiteral("[First+]0[First-]\r\n[Mode+]0[Mode-]\r\n[Class+]0[Class-]\r\n"
                                "[Path+]D:\\MyJava[Path-]\r\n"));
    }

    void storeDirectoryKeepsOtherValues() {
        QTemporaryDir dir;
        Settings s{1, 35, 1, "/old"};
        storeDirectory(dir.path(), s, QStringLiteral(" /new dir "));
        // What is stored is what the next start reads: no space at the ends.
        QCOMPARE(s.Path, QStringLiteral("/new dir"));
        QCOMPARE(readRaw(dir.path()), fileOf("1", "35", "1", "/new dir"));
        QCOMPARE(loadSettings(dir.path()).settings, s);
    }

    // A file written by the Windows program on a Chinese system is GBK.
    void gbkFileIsReadAndRewrittenAsUtf8() {
        QTemporaryDir dir;
        const QString path = QStringLiteral("/home/学生/我的 Java程序");
        QStringEncoder gbk("GB18030");
        const QByteArray windows =
            gbk(QStringLiteral("[First+]1[First-]\r\n[Mode+]600[Mode-]\r\n[Class+]1[Class-]\r\n"
                               "[Path+]%1[Path-]\r\n")
                    .arg(path));
        writeRaw(dir.path(), windows);
        const SettingsLoad loaded = loadSettings(dir.path());
        QCOMPARE(loaded.settings, (Settings{1, 0, 1, path}));
        QVERIFY(loaded.rewritten); // Mode 600 is out of range
        QCOMPARE(readRaw(dir.path()), fileOf("1", "0", "1", path));
        QCOMPARE(loadSettings(dir.path()).settings, loaded.settings);
    }

    // A file copied from Windows names a drive this system cannot have: the
    // default directory stands in for it, and the file keeps the old text
    // until something is stored (here: a rewrite for an invalid Mode).
    void pathOfAnotherSystemIsTheDefaultDirectory_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("mapped");
        QTest::newRow("drive and backslash") << "D:\\MyJava" << true;
        QTest::newRow("drive, lower case, slashes") << "c:/Users/学生/java" << true;
        QTest::newRow("drive alone") << "E:" << true;
        QTest::newRow("network share") << "\\\\server\\java" << true;
        QTest::newRow("absolute here") << "/home/me/D:x" << false;
        QTest::newRow("relative here") << "MyJava" << false;
        QTest::newRow("colon later") << "ab:c" << false;
    }

    void pathOfAnotherSystemIsTheDefaultDirectory() {
        QFETCH(QString, stored);
        QFETCH(bool, mapped);
        if (platform::scriptKind() == platform::ScriptKind::Batch)
            QSKIP("drive letters are this system's own");
        QTemporaryDir dir;
        const QByteArray file = fileOf("1", "0", "0", stored);
        writeRaw(dir.path(), file);
        const SettingsLoad loaded = loadSettings(dir.path());
        QCOMPARE(loaded.pathMapped, mapped);
        QCOMPARE(loaded.settings.Path, mapped ? platform::defaultSourcePath() : stored);
        QVERIFY(!loaded.rewritten);
        QCOMPARE(readRaw(dir.path()), file);

        writeRaw(dir.path(), fileOf("1", "900", "0", stored));
        QCOMPARE(loadSettings(dir.path()).settings.Path, loaded.settings.Path);
        QCOMPARE(readRaw(dir.path()), fileOf("1", "0", "0", loaded.settings.Path));
    }

    void readOnlyFileOrFolderIsStillWritten_data() {
        QTest::addColumn<bool>("readOnlyFile");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("read-only file") << true << false;
        QTest::newRow("read-only folder") << false << true;
    }

    void readOnlyFileOrFolderIsStillWritten() {
        QFETCH(bool, readOnlyFile);
        QFETCH(bool, readOnlyFolder);
        QTemporaryDir dir;
        writeRaw(dir.path(), fileOf("1", "0", "0", "/old"));
        const QString ini = iniPath(dir.path());
        QVERIFY(testing::OrdinaryUser::handOver(ini));
        QVERIFY(testing::OrdinaryUser::handOver(dir.path()));
        if (readOnlyFile)
            QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner));
        const QFile::Permissions open = QFile::permissions(dir.path());
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        bool ok = false;
        {
            const testing::OrdinaryUser user;
            ok = WriteSettings(dir.path(), 1, 5, 1, QStringLiteral("/new"));
        }
        QFile::setPermissions(dir.path(), open);
        QVERIFY(ok);
        QCOMPARE(readRaw(dir.path()), fileOf("1", "5", "1", "/new"));
    }

    // A file its owner cannot read (or write) is opened up for the owner,
    // never closed further: the stored values survive, and the file reads
    // at the next start.
    void unreadableFileIsWidenedNotLost_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("after");
        QTest::newRow("no access") << 0000 << 0600;
        QTest::newRow("write only") << 0200 << 0600;
        QTest::newRow("read only") << 0400 << 0600;
        QTest::newRow("group may read") << 0640 << 0640;
    }

    void unreadableFileIsWidenedNotLost() {
        QFETCH(int, mode);
        QFETCH(int, after);
        QTemporaryDir dir;
        const QString ini = iniPath(dir.path());
        writeRaw(dir.path(), fileOf("1", "-20", "1", "/kept"));
        QVERIFY(testing::OrdinaryUser::handOver(ini) &&
                testing::OrdinaryUser::handOver(dir.path()));
        QVERIFY(::chmod(QFile::encodeName(ini).constData(), mode_t(mode)) == 0);
        Settings settings;
        {
            const testing::OrdinaryUser user;
            settings = initialiseSettings(dir.path());
            WriteSettings(dir.path(), settings);
        }
        QCOMPARE(settings, (Settings{1, -20, 1, "/kept"}));
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(ini).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 07777), after);
    }

    void failedWriteKeepsThePreviousFile() {
        QTemporaryDir dir;
        const QByteArray old = fileOf("1", "10", "0", "/kept");
        writeRaw(dir.path(), old);
        bool ok = true;
        {
            const testing::FileSizeLimit limit(16);
            ok = WriteSettings(dir.path(), 1, 20, 1, QStringLiteral("/a/much/longer/path"));
        }
        QVERIFY(!ok);
        QCOMPARE(readRaw(dir.path()), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"MySet.ini"});
    }

    void unwritableProgramDirectoryIsSilent() {
        QTemporaryDir dir;
        const QString notADir = dir.filePath("plain-file");
        QVERIFY(qm::testing::writeBytes(notADir, ""));
        QVERIFY(!WriteSettings(notADir, defaultSettings()));
        const SettingsLoad loaded = loadSettings(notADir);
        QVERIFY(loaded.defaulted);
        QCOMPARE(loaded.settings, defaultSettings());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain-file"});
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
