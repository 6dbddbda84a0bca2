#include "platform/create_directory.h"
#include "platform/platform.h"
#include "test_files.h"

#include <QtTest>

using namespace qm;

namespace {

// Writes a path with "/" standing for the platform's separator.
QString native(QString path) {
    return path.replace(QLatin1Char('/'), platform::separator());
}

QStringList native(const QStringList &paths) {
    QStringList out;
    for (const QString &p : paths)
        out << native(p);
    return out;
}

} // namespace

class TestCreateDirectory : public QObject {
    Q_OBJECT
private slots:
    void levels_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("attempts");
        const QStringList three{"/", "/home/", "/home/MyJava/"};
        QTest::newRow("absolute") << "/home/MyJava" << three;
        QTest::newRow("absolute, separator at the end") << "/home/MyJava/" << three;
        QTest::newRow("build directory")
            << "/home/MyJava/ClassFiles/"
            << QStringList{"/", "/home/", "/home/MyJava/", "/home/MyJava/ClassFiles/"};
        QTest::newRow("relative") << "a/b" << QStringList{"a/", "a/b/"};
        QTest::newRow("single name") << "MyJava" << QStringList{"MyJava/"};
        QTest::newRow("doubled separator counts twice")
            << "a//b" << QStringList{"a/", "a//", "a//b/"};
        QTest::newRow("empty") << "" << QStringList{"/"};
    }

    void levels() {
        QFETCH(QString, path);
        QFETCH(QStringList, attempts);
        QCOMPARE(directoryLevels(native(path)), native(attempts));
    }

    void createsEveryMissingLevel() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString deep = native(root.path() + "/a/b c/d");
        CreateNewDirectory(deep);
        QVERIFY(QFileInfo(root.path() + "/a/b c/d").isDir());

        CreateNewDirectory(native(root.path() + "/x/y/"));
        QVERIFY(QFileInfo(root.path() + "/x/y").isDir());
    }

    void existingLevelsAndFilesInTheWayAreSilent() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(qm::testing::writeBytes(root.path() + "/file", ""));

        CreateNewDirectory(native(root.path() + "/file/below"));
        QVERIFY(QFileInfo(root.path() + "/file").isFile());
        QVERIFY(!QFileInfo::exists(root.path() + "/file/below"));

        CreateNewDirectory(native(root.path() + "/a"));
        CreateNewDirectory(native(root.path() + "/a/b"));
        QVERIFY(QFileInfo(root.path() + "/a/b").isDir());
    }
};

QTEST_APPLESS_MAIN(TestCreateDirectory)
#include "test_create_directory.moc"
