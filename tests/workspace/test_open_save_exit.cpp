#include "controls/skin_button.h"
#include "settings/settings_file.h"
#include "temporary_home.h"
#include "test_files.h"
#include "window_session.h"
#include "workspace/editor_text.h"
#include "workspace/main_window.h"
#include "workspace/source_keeper.h"

#include <QDialog>
#include <QLineEdit>
#include <QStringEncoder>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

const QString kDirError = QStringLiteral("出错|文件目录设置错误！请重新设置...");

// The source directory comes first: the window stores it as Path.
struct SourceDirectory {
    QTemporaryDir work;
};

struct Fixture : SourceDirectory, WindowSession {
    Fixture() : WindowSession(work.path()) {}
    explicit Fixture(const QString &storedPath) : WindowSession(storedPath) {}
    void type(const QString &text) { f().Txt_edit->setText(text); }
    QString saved(const QString &name) const { return work.filePath(name + ".java"); }
    QString editorText() const { return QString::fromUtf8(editorBytes(f().Txt_edit)); }
    void open(const QString &file) {
        chooser.choice = file;
        f().Cmd_open->click();
    }
};

} // namespace

class TestOpenSaveExit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    // Saving
    void saveCutsTrailingTextFromEditorAndFile() {
        Fixture fx;
        fx.type("public class Hello {\n}\n\n// trailing note\n\n");
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(fx.f().Txt_edit->text(), QStringLiteral("public class Hello {\n}"));
        QCOMPARE(fileBytes(fx.saved("Hello")), QByteArray("public class Hello {\n}\n"));
        QVERIFY(fx.ws().Saved);
        QVERIFY(fx.prompter.errors.isEmpty());
    }

    void emptyNameSavesAsNoneName() {
        Fixture fx;
        fx.type("no types here {}");
        QCOMPARE(fx.f().Txt_file->text(), QString());
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(fileBytes(fx.saved("None_Name")), QByteArray("no types here {}\n"));
    }

    void relativeDirectoryIsRefusedWithoutWriting() {
        Fixture fx;
        QDir::setCurrent(fx.work.path());
        fx.f().Txt_table->setText("relative");
        fx.type("class A {}");
        QVERIFY(!fx.window->keeper().Savefile());
        QCOMPARE(fx.prompter.errors, QStringList{kDirError});
        QVERIFY(!QFileInfo::exists(fx.work.filePath("relative")));
        QVERIFY(!fx.ws().Saved);
        QVERIFY(fx.ws().DirInvalid);
    }

    void uncreatableDirectoryFailsThenRefusesUntilEdited() {
        Fixture fx;
        const QString blocker = fx.work.filePath("blocker");
        QVERIFY(writeBytes(blocker, "a file, not a directory"));
        fx.f().Txt_table->setText(blocker + "/sub");
        fx.type("class A {}");
        QVERIFY(!fx.window->keeper().Savefile());
        QVERIFY(fx.ws().DirInvalid);
        // Once the obstacle is gone the save is still refused until the field is edited.
        QFile::remove(blocker);
        QVERIFY(!fx.window->keeper().Savefile());
        QVERIFY(!QFileInfo::exists(blocker));
        QCOMPARE(fx.prompter.errors.size(), 2);
        fx.f().Txt_table->setText(blocker + "/sub/");
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(fileBytes(blocker + "/sub/A.java"), QByteArray("class A {}\n"));
    }

    void failedWriteKeepsThePreviousFile() {
        Fixture fx;
        QVERIFY(writeBytes(fx.saved("Big"), "class Big { /* the old version */ }\n"));
        fx.type("class Big {" + QString(4096, 'x') + "}");
        fx.prompter.answers = {Answer::Yes}; // replace the other Big.java
        bool ok = true;
        {
            const FileSizeLimit limit(1024);
            ok = fx.window->keeper().Savefile();
        }
        QVERIFY(!ok);
        QCOMPARE(fileBytes(fx.saved("Big")), QByteArray("class Big { /* the old version */ }\n"));
        QCOMPARE(fx.prompter.errors, QStringList{kDirError});
        QCOMPARE(QDir(fx.work.path()).entryList(QDir::Files), QStringList{"Big.java"});
        QCOMPARE(fx.editorText(), "class Big {" + QString(4096, 'x') + "}");
    }

    void captionReturnsAfterAFailedSave() {
        Fixture fx;
        fx.f().Txt_table->setText("relative");
        fx.f().Cmd_save->click();
        QCOMPARE(fx.prompter.errors.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(fx.f().Cmd_save->caption(), QStringLiteral("保存"), 1000);
    }
    // Opening
    void openedFileSavesUnderItsClassName() {
        Fixture fx;
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath("Foo.java");
        QVERIFY(
            writeBytes(file, "public class Bar {\n public static void main(String[] a) {}\n}\n"));
        fx.chooser.choice = file;
        fx.f().Cmd_open->click();
        QCOMPARE(fx.chooser.lastFilter, QStringLiteral("Java源文件 (*.java)"));
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Bar"));
        QVERIFY(fx.ws().Saved);
        QVERIFY(fx.window->keeper().Savefile());
        QVERIFY(QFileInfo::exists(fx.saved("Bar")));
    }

    void cancelledOpenChangesNothing() {
        Fixture fx;
        fx.f().Cmd_open->click();
        QCOMPARE(fx.chooser.shown, 1);
        QCOMPARE(fx.f().Txt_edit->text(), QString());
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Class_Name"));
        QVERIFY(fx.ws().Saved);
    }

    void gb18030FileIsReadAndSavedAsUtf8() {
        Fixture fx;
        const QString text = QStringLiteral("public class Greet {\n String s = \"你好，世界\";\n}");
        QStringEncoder gb("GB18030");
        const QString file = fx.work.filePath("from-windows.java");
        QVERIFY(writeBytes(file, gb(text)));
        fx.chooser.choice = file;
        fx.f().Cmd_open->click();
        QCOMPARE(fx.f().Txt_edit->text(), text);
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(QString::fromUtf8(fileBytes(fx.saved("Greet"))), text + "\n");
    }

    void openAsksBeforeDiscardingWork_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("directory"); // "" keeps the usable one
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("savedFirst");
        QTest::newRow("yes saves then opens") << int(Answer::Yes) << "" << true << true;
        QTest::newRow("yes with bad directory keeps work")
            << int(Answer::Yes) << "rel" << false << false;
        QTest::newRow("no opens without saving") << int(Answer::No) << "" << true << false;
        QTest::newRow("cancel keeps everything") << int(Answer::Cancel) << "" << false << false;
    }

    void openAsksBeforeDiscardingWork() {
        QFETCH(int, answer);
        QFETCH(QString, directory);
        QFETCH(bool, opened);
        QFETCH(bool, savedFirst);
        Fixture fx;
        QTemporaryDir elsewhere;
        QVERIFY(writeBytes(elsewhere.filePath("Other.java"), "class Other {}"));
        fx.chooser.choice = elsewhere.filePath("Other.java");
        if (!directory.isEmpty())
            fx.f().Txt_table->setText(directory);
        const QString work = QStringLiteral("class Mine { int unsaved; }");
        fx.type(work);
        fx.prompter.answers = {Answer(answer)};
        fx.f().Cmd_open->click();
        QCOMPARE(fx.prompter.questions.size(), 1);
        QVERIFY(fx.prompter.questions[0].startsWith("保存确认|将改动保存到 "));
        QCOMPARE(fx.f().Txt_edit->text(), opened ? QStringLiteral("class Other {}") : work);
        QCOMPARE(fx.chooser.shown, opened ? 1 : 0);
        QCOMPARE(QFileInfo::exists(fx.saved("Mine")), savedFirst);
    }
    // Leaving
    void leaving_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("errors");
        QTest::newRow("saved leaves at once")
            << false << int(Answer::Cancel) << "" << true << false << 0;
        QTest::newRow("yes writes then leaves")
            << true << int(Answer::Yes) << "" << true << true << 0;
        QTest::newRow("yes with bad dir stays")
            << true << int(Answer::Yes) << "rel" << false << false << 1;
        QTest::newRow("no leaves unsaved") << true << int(Answer::No) << "" << true << false << 0;
        QTest::newRow("cancel stays") << true << int(Answer::Cancel) << "" << false << false << 0;
    }

    void leaving() {
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(QString, directory);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        QFETCH(int, errors);
        // The exit button and the window's close box behave alike.
        for (bool viaCloseBox : {false, true}) {
            Fixture fx;
            if (!directory.isEmpty())
                fx.f().Txt_table->setText(directory);
            if (edited)
                fx.type("class Left {}");
            fx.prompter.answers = {Answer(answer)};
            if (viaCloseBox)
                fx.window->close();
            else
                fx.f().Cmd_end->click();
            QCOMPARE(fx.prompter.questions.size(), edited ? 1 : 0);
            QCOMPARE(fx.window->isVisible(), !closed);
            QCOMPARE(QFileInfo::exists(fx.saved("Left")), written);
            QCOMPARE(fx.prompter.errors.size(), errors);
        }
    }

    void exitWithNoAsksOnlyOnce() {
        Fixture fx;
        fx.type("class Once {}");
        fx.prompter.answers = {Answer::No, Answer::No};
        fx.f().Cmd_end->click();
        QVERIFY(!fx.window->isVisible());
        QCOMPARE(fx.prompter.questions.size(), 1);
    }

    void secondaryWindowsCloseWithTheMainWindow() {
        for (const char *button : {"Cmd_help", "Cmd_about"}) {
            Fixture fx;
            bool dialogSeen = false;
            QTimer::singleShot(0, fx.window.get(), [&] {
                dialogSeen = qobject_cast<QDialog *>(QApplication::activeModalWidget()) != nullptr;
                fx.window->close();
            });
            // Returns only once the modal window has been closed with the main window.
            fx.window->findChild<SkinButton *>(button)->click();
            QVERIFY(dialogSeen);
            QVERIFY(!fx.window->isVisible());
        }
    }

    // What the user typed or opened survives saving.
    void typedNameSurvivesTheCut_data() {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("保存") << false;
        QTest::newRow("退出, 是") << true;
    }

    void typedNameSurvivesTheCut() {
        QFETCH(bool, viaExit);
        Fixture fx;
        fx.type("class A { }\n");
        fx.f().Txt_file->selectAll();
        QTest::keyClicks(fx.f().Txt_file, "Manual");
        fx.prompter.answers = {Answer::Yes};
        fx.f().Cmd_save->click();
        if (viaExit) {
            fx.type("class A { }\n"); // edited again: the exit asks
            fx.f().Txt_file->selectAll();
            QTest::keyClicks(fx.f().Txt_file, "Manual");
            fx.f().Cmd_end->click();
            QCOMPARE(fx.prompter.questions,
                     QStringList{"保存确认|将改动保存到 " + fx.work.path() + "/Manual.java？"});
        }
        QCOMPARE(fileBytes(fx.saved("Manual")), QByteArray("class A { }\n"));
        QVERIFY(!QFileInfo::exists(fx.saved("A")));
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Manual"));
        QVERIFY(fx.ws().Saved);
    }

    void nulBytesOpenAndSaveBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nul in a literal")
            << QByteArrayLiteral("public class N {\n    String s = \"a\0b\";\n    // 中文\n}");
        QTest::newRow("nul first") << QByteArrayLiteral("\0class N {}");
        QTest::newRow("run of nuls") << QByteArray("class N {") + QByteArray(1000, '\0') + "}";
    }

    void nulBytesOpenAndSaveBack() {
        QFETCH(QByteArray, bytes);
        Fixture fx;
        QVERIFY(writeBytes(fx.saved("N"), bytes));
        fx.open(fx.saved("N"));
        QCOMPARE(editorBytes(fx.f().Txt_edit), bytes);
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("N"));
        QVERIFY(fx.ws().Saved);
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(fileBytes(fx.saved("N")), bytes + "\n");
    }

    void cutIsOneUndoStep() {
        Fixture fx;
        QsciScintilla *editor = fx.f().Txt_edit;
        editor->setFocus();
        QTest::keyClicks(editor, "class U { }");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "// note");
        const QString typed = fx.editorText();
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(fx.editorText(), QStringLiteral("class U { }"));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fx.editorText(), typed);
        QVERIFY(!fx.ws().Saved);
        // The typing before the save is still there to undo.
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(fx.editorText().size() < typed.size());
        QVERIFY(typed.startsWith(fx.editorText()));
    }

    void crlfFileSavesWithOneKindOfLineEnd() {
        Fixture fx;
        QVERIFY(writeBytes(fx.saved("C"), "public class C {\r\n    int a;\r\r\n}\r\n"));
        fx.open(fx.saved("C"));
        QsciScintilla *editor = fx.f().Txt_edit;
        editor->setFocus();
        editor->setCursorPosition(1, 10);
        QTest::keyClick(editor, Qt::Key_Return); // the new line keeps the indentation
        QTest::keyClicks(editor, "int b;");
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(fileBytes(fx.saved("C")),
                 QByteArray("public class C {\n    int a;\n    int b;\n\n}\n"));
    }

    // A stored Path that is not absolute is below the home directory.
    void relativeStoredPathSavesBelowHome_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("relative") << "MyJava/src";
        QTest::newRow("windows path") << "D:\\MyJava";
        QTest::newRow("space in front of an absolute path") << " " + home.path() + "/abs";
    }

    void relativeStoredPathSavesBelowHome() {
        QFETCH(QString, stored);
        QTemporaryDir working;
        QDir::setCurrent(working.path());
        Fixture fx(stored);
        fx.type("class Rel {}");
        QVERIFY(fx.window->keeper().Savefile());
        const QString below = stored.startsWith(' ') ? stored.mid(1) : home.filePath(stored);
        QCOMPARE(fileBytes(below + "/Rel.java"), QByteArray("class Rel {}\n"));
        QVERIFY(QDir(working.path()).isEmpty());
    }

private:
    TemporaryHome home;
};

QTEST_MAIN(TestOpenSaveExit)
#include "test_open_save_exit.moc"
