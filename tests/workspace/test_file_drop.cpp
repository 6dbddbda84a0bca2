#include "controls/find_bar.h"
#include "test_files.h"
#include "widget_lookup.h"
#include "window_session.h"
#include "workspace/main_window.h"

#include <QLineEdit>
#include <QMimeData>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

const QString kDropped =
    QStringLiteral("public class Dropped {\n public static void main(String[] a) {}\n}\n");

struct SourceDirectory {
    QTemporaryDir work;
};

struct Fixture : SourceDirectory, WindowSession {
    Fixture() : WindowSession(work.path()) { writeBytes(dropped(), kDropped.toUtf8()); }
    QString dropped() const { return elsewhere.filePath("Dropped.java"); }
    QString saved(const QString &name) const { return work.filePath(name + ".java"); }
    QWidget *editorArea() const { return f().Txt_edit->viewport(); }

    QTemporaryDir elsewhere;
};

// A drag from a file manager as Qt hands it to the control under the
// pointer: the file's URL and, as many file managers add, its path as text.
struct FileDrag {
    explicit FileDrag(const QList<QUrl> &urls) {
        data.setUrls(urls);
        QStringList paths;
        for (const QUrl &url : urls)
            paths << url.toLocalFile();
        data.setText(paths.join('\n'));
    }

    bool enter(QWidget *target) {
        QDragEnterEvent event(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }
    bool drop(QWidget *target) {
        if (!enter(target))
            return false;
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }

    QMimeData data;
};

QWidget *target(Fixture &fx, const QString &name) {
    if (name == "editor")
        return fx.editorArea();
    if (name == "window")
        return fx.window.get();
    if (name == "find bar") {
        fx.window->activateWindow();
        if (!QTest::qWaitForWindowActive(fx.window.get()))
            return nullptr;
        fx.f().Txt_edit->setFocus();
        QTest::keySequence(fx.f().Txt_edit, QKeySequence("Ctrl+F"));
        auto *bar = fx.window->findChild<FindBar *>();
        return bar ? bar->field() : nullptr;
    }
    return child<QWidget>(*fx.window, name.toLatin1().constData());
}

} // namespace

class TestFileDrop : public QObject {
    Q_OBJECT
private slots:
    void droppedSourceOpensWherever_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("editor") << "editor";
        QTest::newRow("directory field") << "Txt_table";
        QTest::newRow("file-name field") << "Txt_file";
        QTest::newRow("window background") << "window";
        QTest::newRow("find bar, made on first use") << "find bar";
    }

    // Opened as 打开 opens a chosen file, and the path is never typed into
    // the control under the pointer.
    void droppedSourceOpensWherever() {
        QFETCH(QString, where);
        Fixture fx;
        FileDrag drag({QUrl::fromLocalFile(fx.dropped())});
        QWidget *const control = target(fx, where);
        QVERIFY(control);
        QVERIFY(drag.drop(control));
        QTRY_COMPARE(fx.f().Txt_edit->text(), kDropped);
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Dropped"));
        QCOMPARE(fx.f().Txt_table->text(), fx.work.path());
        QVERIFY(fx.ws().Saved);
        QVERIFY(fx.prompter.questions.isEmpty());
        QCOMPARE(fx.chooser.shown, 0);
    }

    void dropAsksBeforeReplacingWork_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("savedFirst");
        QTest::newRow("yes saves, then opens") << int(Answer::Yes) << true << true;
        QTest::newRow("no opens without saving") << int(Answer::No) << true << false;
        QTest::newRow("cancel keeps the work") << int(Answer::Cancel) << false << false;
    }

    void dropAsksBeforeReplacingWork() {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        QFETCH(bool, savedFirst);
        Fixture fx;
        const QString work = QStringLiteral("class Mine { int unsaved; }");
        fx.f().Txt_edit->setText(work);
        fx.prompter.answers = {Answer(answer)};
        FileDrag drag({QUrl::fromLocalFile(fx.dropped())});
        QVERIFY(drag.drop(fx.editorArea()));
        QTRY_COMPARE(fx.prompter.questions.size(), 1);
        QCOMPARE(fx.prompter.questions[0],
                 "保存确认|将改动保存到 " + fx.work.path() + "/Mine.java？");
        QCOMPARE(fx.f().Txt_edit->text(), opened ? kDropped : work);
        QCOMPARE(QFileInfo::exists(fx.saved("Mine")), savedFirst);
        QCOMPARE(fx.ws().Saved, opened);
    }

    void yesWithAnUnusableDirectoryKeepsTheWork() {
        Fixture fx;
        fx.f().Txt_table->setText("relative");
        fx.f().Txt_edit->setText("class Mine {}");
        fx.prompter.answers = {Answer::Yes};
        FileDrag drag({QUrl::fromLocalFile(fx.dropped())});
        QVERIFY(drag.drop(fx.editorArea()));
        QTRY_COMPARE(fx.prompter.errors.size(), 1);
        QCOMPARE(fx.f().Txt_edit->text(), QStringLiteral("class Mine {}"));
    }

    void refusedDragLeavesEverything_data() {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("two files") << QStringList{"A.java", "B.java"};
        QTest::newRow("folder") << QStringList{"."};
        QTest::newRow("class file") << QStringList{"A.class"};
    }

    void refusedDragLeavesEverything() {
        QFETCH(QStringList, names);
        Fixture fx;
        writeBytes(fx.elsewhere.filePath("A.java"), "class A {}");
        writeBytes(fx.elsewhere.filePath("B.java"), "class B {}");
        writeBytes(fx.elsewhere.filePath("A.class"), QByteArray("\xCA\xFE\xBA\xBE\0\0\0\x3D", 8));
        fx.f().Txt_edit->setText("class Mine {}");
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << QUrl::fromLocalFile(fx.elsewhere.filePath(name));
        for (QWidget *w : {fx.editorArea(), static_cast<QWidget *>(fx.f().Txt_table)}) {
            FileDrag drag(urls);
            QVERIFY(!drag.enter(w));
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &drag.data, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(w, &drop);
        }
        QCoreApplication::processEvents();
        QCOMPARE(fx.f().Txt_edit->text(), QStringLiteral("class Mine {}"));
        QCOMPARE(fx.f().Txt_table->text(), fx.work.path());
        QVERIFY(fx.prompter.questions.isEmpty());
    }

    void draggedTextStillGoesIntoTheEditor() {
        Fixture fx;
        QMimeData text;
        text.setText("class Typed {}");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fx.editorArea(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fx.editorArea(), &drop);
        QCOMPARE(fx.f().Txt_edit->text(), QStringLiteral("class Typed {}"));
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Typed"));
    }
};

QTEST_MAIN(TestFileDrop)
#include "test_file_drop.moc"
