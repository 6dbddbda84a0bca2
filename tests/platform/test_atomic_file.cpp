// The shared file writes: links, folders and files the user may not write,
// and writes cut short by the file-size limit.
#include "platform/atomic_file.h"

#include "requirements.h"
#include "test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

Q_DECLARE_METATYPE(qm::AtLink)

namespace {

const QByteArray kOld = "the old content, longer than the new one\n";
const QByteArray kNew = "new\n";

QStringList entries(const QString &directory) {
    return QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void symbolicLinks_data() {
        QTest::addColumn<AtLink>("atLink");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("user's file: atomic write reaches the target")
            << AtLink::WriteTarget << false;
        QTest::newRow("user's file: in place write reaches the target")
            << AtLink::WriteTarget << true;
        QTest::newRow("program's file: atomic write replaces the link") << AtLink::Replace << false;
        QTest::newRow("program's file: in place write refuses the link") << AtLink::Replace << true;
    }

    void symbolicLinks() {
        QFETCH(AtLink, atLink);
        QFETCH(bool, inPlace);
        QTemporaryDir dir, outside;
        const QString target = outside.filePath("precious.txt");
        const QString link = dir.filePath("Tamsorley.sh");
        QVERIFY(writeBytes(target, kOld));
        QVERIFY(QFile::link(target, link));

        const bool ok = inPlace ? writeFileInPlace(link, kNew, atLink)
                                : writeFileAtomically(link, kNew, atLink);

        const bool follows = atLink == AtLink::WriteTarget;
        QCOMPARE(ok, follows || !inPlace);
        QCOMPARE(fileBytes(target), follows ? kNew : kOld);
        QCOMPARE(QFileInfo(link).isSymLink(), follows || inPlace);
        if (!follows && !inPlace)
            QCOMPARE(fileBytes(link), kNew);
        QCOMPARE(entries(dir.path()), QStringList{"Tamsorley.sh"});
        QCOMPARE(entries(outside.path()), QStringList{"precious.txt"});
    }

    void danglingLinkOfTheProgramIsReplaced() {
        QTemporaryDir dir;
        const QString link = dir.filePath("Hello.java");
        QVERIFY(QFile::link(dir.filePath("missing/elsewhere"), link));
        QVERIFY(writeFileAtomically(link, kNew, AtLink::Replace));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(fileBytes(link), kNew);
    }

    void inPlaceWriteCutsToTheNewLength() {
        QTemporaryDir dir;
        const QString file = dir.filePath("A.java");
        QVERIFY(writeBytes(file, kOld));
        QVERIFY(writeFileInPlace(file, kNew, AtLink::WriteTarget));
        QCOMPARE(fileBytes(file), kNew);
    }

    void sizeLimitKeepsTheOldFile_data() {
        QTest::addColumn<AtLink>("atLink");
        QTest::newRow("user's file") << AtLink::WriteTarget;
        QTest::newRow("program's file") << AtLink::Replace;
    }

    void sizeLimitKeepsTheOldFile() {
        QFETCH(AtLink, atLink);
        QTemporaryDir dir;
        const QString file = dir.filePath("Big.java");
        QVERIFY(writeBytes(file, kOld));
        bool ok = true;
        {
            const FileSizeLimit limit(1024);
            ok = writeFileAtomically(file, QByteArray(4096, 'x'), atLink);
        }
        QVERIFY(!ok);
        QCOMPARE(fileBytes(file), kOld);
        QCOMPARE(entries(dir.path()), QStringList{"Big.java"});
    }

    // A folder the user may not write in, and files that are read-only.
    void permissions_data() {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("written");
        QTest::newRow("read-only folder, writable file: in place") << false << true << true << true;
        QTest::newRow("read-only file of the user stays as it is")
            << true << false << true << false;
        QTest::newRow("both read-only") << false << false << true << false;
        QTest::newRow("no new file in a read-only folder") << false << true << false << false;
    }

    void permissions() {
        QFETCH(bool, folderWritable);
        QFETCH(bool, fileWritable);
        QFETCH(bool, fileExists);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString file = dir.filePath("Mine.java");
        if (fileExists) {
            QVERIFY(writeBytes(file, kOld));
            QVERIFY(OrdinaryUser::handOver(file));
            if (!fileWritable)
                QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
        }
        QVERIFY(OrdinaryUser::handOver(dir.path()));
        const QFile::Permissions open = QFile::permissions(dir.path());
        if (!folderWritable)
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        bool ok = false;
        {
            const OrdinaryUser user;
            ok = writeFileAtomically(file, kNew);
        }
        QFile::setPermissions(dir.path(), open);
        QCOMPARE(ok, written);
        QCOMPARE(fileBytes(file), written ? kNew : fileExists ? kOld : QByteArray("<missing>"));
        QCOMPARE(entries(dir.path()).size(), written || fileExists ? 1 : 0);
        if (fileExists)
            QCOMPARE(bool(QFile::permissions(file) & QFile::WriteOwner), fileWritable);
    }

    // Whoever runs the program, root included, whom the system lets write anything.
    void readOnlyFileIsNeverWritten() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Lesson.java");
        const QString link = dir.filePath("Link.java");
        QVERIFY(writeBytes(file, kOld));
        QVERIFY(QFile::link(file, link));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(!writeFileAtomically(file, kNew));
        QVERIFY(!writeFileAtomically(link, kNew));
        QCOMPARE(fileBytes(file), kOld);
        QVERIFY(!(QFile::permissions(file) & (QFile::WriteOwner | QFile::WriteGroup)));
    }

    void readOnlyFileOfAnotherUserStaysAsItIs() {
        QM_REQUIRE_THAT(::geteuid() == 0, "root, to own a file the test user cannot change");
        QTemporaryDir dir;
        const QString file = dir.filePath("Theirs.java");
        QVERIFY(writeBytes(file, kOld));
        QVERIFY(
            QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(OrdinaryUser::handOver(dir.path()));
        bool ok = true;
        {
            const OrdinaryUser user;
            ok = writeFileAtomically(file, kNew);
        }
        QVERIFY(!ok);
        QCOMPARE(fileBytes(file), kOld);
        QVERIFY(!(QFile::permissions(file) & QFile::WriteOwner));
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "test_atomic_file.moc"
