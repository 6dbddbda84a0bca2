#include "startup/skin.h"
#include "test_files.h"

#include <QtTest>

using namespace qm;

class TestSkin : public QObject {
    Q_OBJECT
private slots:
    void writtenWhenMissing() {
        QTemporaryDir dir;
        QVERIFY(!embeddedSkin().isEmpty());
        QVERIFY(ensureSkinFile(dir.path()));
        QFile f(dir.filePath("SoftSkin.qss"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), embeddedSkin());
        QCOMPARE(readSkin(dir.path()), embeddedSkin());
    }

    void userEditsAreKept() {
        QTemporaryDir dir;
        const QByteArray mine = "QPushButton { color: red; }";
        QVERIFY(qm::testing::writeBytes(dir.filePath("SoftSkin.qss"), mine));
        QVERIFY(!ensureSkinFile(dir.path()));
        QCOMPARE(readSkin(dir.path()), QString::fromUtf8(mine));
    }

    void directoryOfThatNameIsLeftAlone() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("SoftSkin.qss"));
        QVERIFY(!ensureSkinFile(dir.path()));
        QVERIFY(QFileInfo(dir.filePath("SoftSkin.qss")).isDir());
        QCOMPARE(readSkin(dir.path()), embeddedSkin());
    }

    void unwritableProgramDirectoryFallsBack() {
        QTemporaryDir dir;
        const QString notADir = dir.filePath("file");
        QVERIFY(qm::testing::writeBytes(notADir, ""));
        QVERIFY(!ensureSkinFile(notADir));
        QCOMPARE(readSkin(notADir), embeddedSkin());
    }
};

QTEST_GUILESS_MAIN(TestSkin)
#include "test_skin.moc"
