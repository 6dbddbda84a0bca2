#include "test_files.h"
#include "workspace/dropped_file.h"

#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

// A folder of the files a learner might drag out of a file manager.
struct Desk {
    Desk() {
        writeBytes(path("Hello.java"), "public class Hello {}\n");
        writeBytes(path("notes.txt"), "plain notes\n");
        writeBytes(path("README"), "a text without a suffix\n");
        writeBytes(path("Hello.java.bak"), "public class Hello {}\n");
        writeBytes(path("Empty.java"), "");
        writeBytes(path("Hello.class"), QByteArray("\xCA\xFE\xBA\xBE\0\0\0\x3D", 8));
        writeBytes(path("photo.png"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
        QDir(dir.path()).mkdir("project");
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QUrl url(const QString &name) const { return QUrl::fromLocalFile(path(name)); }

    QTemporaryDir dir;
};

} // namespace

class TestDroppedFile : public QObject {
    Q_OBJECT
private slots:
    void choice_data() {
        QTest::addColumn<QStringList>("names"); // dropped files; "http:" for a web link
        QTest::addColumn<QString>("opened");    // "" for none
        QTest::newRow("java source") << QStringList{"Hello.java"} << "Hello.java";
        QTest::newRow("text file") << QStringList{"notes.txt"} << "notes.txt";
        QTest::newRow("text without suffix") << QStringList{"README"} << "README";
        QTest::newRow("backup named by content")
            << QStringList{"Hello.java.bak"} << "Hello.java.bak";
        QTest::newRow("empty source") << QStringList{"Empty.java"} << "Empty.java";
        QTest::newRow("class file") << QStringList{"Hello.class"} << "";
        QTest::newRow("image") << QStringList{"photo.png"} << "";
        QTest::newRow("folder") << QStringList{"project"} << "";
        QTest::newRow("missing file") << QStringList{"Gone.java"} << "";
        QTest::newRow("two sources") << QStringList{"Hello.java", "notes.txt"} << "";
        QTest::newRow("web link") << QStringList{"http:"} << "";
    }

    void choice() {
        QFETCH(QStringList, names);
        QFETCH(QString, opened);
        const Desk desk;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << (name == "http:" ? QUrl("https://example.org/Hello.java") : desk.url(name));
        const auto file = droppedSourceFile(urls);
        QCOMPARE(file.value_or(QString()), opened.isEmpty() ? QString() : desk.path(opened));
    }

    void unreadableFileIsNotOffered() {
        // Root reads every file: the drop is judged as an ordinary user would see it.
        const Desk desk;
        QVERIFY(OrdinaryUser::handOver(desk.dir.path()));
        for (const char *name : {"Hello.java", "notes.txt"})
            QVERIFY(OrdinaryUser::handOver(desk.path(name)));
        QVERIFY(QFile::setPermissions(desk.path("Hello.java"), QFileDevice::WriteOwner));
        const OrdinaryUser user;
        QVERIFY(droppedSourceFile({desk.url("notes.txt")})); // the desk itself is in reach
        QVERIFY(!droppedSourceFile({desk.url("Hello.java")}));
    }

    void whichDragsTheWindowTakes_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("taken");
        QTest::newRow("no urls: plain text") << QList<QUrl>{} << false;
        QTest::newRow("one local file") << QList<QUrl>{QUrl::fromLocalFile("/tmp/A.java")} << true;
        QTest::newRow("several local files")
            << QList<QUrl>{QUrl::fromLocalFile("/a"), QUrl::fromLocalFile("/b")} << true;
        QTest::newRow("web link") << QList<QUrl>{QUrl("https://example.org/")} << false;
        QTest::newRow("file and link")
            << QList<QUrl>{QUrl::fromLocalFile("/a"), QUrl("https://example.org/")} << false;
    }

    void whichDragsTheWindowTakes() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, taken);
        QCOMPARE(namesLocalFiles(urls), taken);
    }
};

QTEST_GUILESS_MAIN(TestDroppedFile)
#include "test_dropped_file.moc"
