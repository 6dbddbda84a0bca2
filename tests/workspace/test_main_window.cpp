#include "controls/skin_button.h"
#include "launcher/terminal.h"
#include "platform/platform.h"
#include "settings/settings_file.h"
#include "temporary_home.h"
#include "test_files.h"
#include "widget_lookup.h"
#include "window_session.h"
#include "workspace/editor_text.h"
#include "workspace/main_window.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

struct Fixture : WindowSession {
    explicit Fixture(const QString &storedPath = QStringLiteral("/stored/dir"))
        : WindowSession(storedPath, Start::Loaded) {}
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamed() {
        Fixture fx;
        verifyEveryKeyNamesItsControl<MainControl>(fx.f(), *fx.window);
        QCOMPARE(fx.window->objectName(), QStringLiteral("Frm_java"));
        QCOMPARE(fx.window->windowTitle(), QStringLiteral("QuillmossJava编译器 v1.05"));
        QCOMPARE(fx.f().Cmd_byyx->caption(), QStringLiteral("编译+运行"));
        QCOMPARE(fx.f().Txt_backname->text(), QStringLiteral(".java"));
        QVERIFY(!fx.f().Txt_backname->isEnabled());
    }

    void loadShowsStoredDirectoryWithStoreDisabled() {
        Fixture fx;
        QCOMPARE(fx.f().Txt_table->text(), QStringLiteral("/stored/dir"));
        QVERIFY(!fx.f().Cmd_set->isEnabled());
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Class_Name"));
        QVERIFY(fx.window->workspace().Saved);
        QCOMPARE(fx.window->workspace().ClassCount, 0);
        QCOMPARE(fx.state.run.CompType, BuildKind::StandardProgram);
        QCOMPARE(fx.state.run.ApHeight, qint16(200));
        QCOMPARE(fx.state.run.ApWidth, qint16(400));
    }

    void relativeStoredDirectoryStillCountsAsValidAtLoad() {
        Fixture fx(QStringLiteral("relative/dir"));
        QCOMPARE(fx.f().Txt_table->text(), QStringLiteral("relative/dir"));
        QVERIFY(!fx.window->workspace().DirInvalid);
        QVERIFY(!fx.f().Cmd_set->isEnabled());
    }

    void typingAClassNamesTheFile() {
        Fixture fx;
        fx.f().Txt_edit->setFocus();
        for (const char *line : {"class Shape { }", "public class Hello {",
                                 "public static void main(String[] a) {}}"}) {
            QTest::keyClicks(fx.f().Txt_edit, line);
            QTest::keyClick(fx.f().Txt_edit, Qt::Key_Return);
        }
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Hello"));
        QCOMPARE(fx.window->workspace().ClassCount, 2);
        QCOMPARE(fx.window->workspace().ClassNames, (QStringList{"Shape", "Hello"}));
        QVERIFY(!fx.window->workspace().Saved);
    }

    void unusableFileNameIsReportedAndNothingWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "demo/Hello";
        QTest::newRow("backslash") << "demo\\Hello";
        QTest::newRow("dot dot") << "..";
    }

    void unusableFileNameIsReportedAndNothingWritten() {
        QFETCH(QString, name);
        QTemporaryDir stored;
        Fixture fx(stored.path());
        fx.f().Txt_edit->setText("public class Hello {}");
        fx.f().Txt_file->setText(name);
        fx.click(fx.f().Cmd_byyx);
#ifdef Q_OS_WIN
        QCOMPARE(fx.prompter.errors.size(), 1);
        QVERIFY(fx.prompter.errors.first().startsWith("编译+运行|“文件”中的名称不能用作文件名"));
#else
        QCOMPARE(fx.prompter.errors,
                 QStringList{"编译+运行|“文件”中的名称不能用作文件名：名称中不能含有 / \\，"
                             "也不能是“.”或“..”。程序未编译，也未运行。"});
#endif
        QCOMPARE(QDir(stored.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{});
    }

    // The build compiles every byte the editor holds, as a save writes them:
    // a NUL the learner pasted does not end the copy javac reads.
    void buildCompilesTheWholeText() {
        TemporaryHome home;
        const QString bin = home.filePath("bin");
        const QString seen = home.filePath("seen.java");
        QVERIFY(writeExecutable(bin + "/terminal", "\"$@\" </dev/null >/dev/null 2>&1"));
        QVERIFY(writeExecutable(bin + "/javac",
                                "for f; do :; done; cp -- \"$f\" '" + seen.toUtf8() + "'; exit 1"));
        QVERIFY(QDir().mkpath(QFileInfo(terminalConfPath()).path()));
        QVERIFY(writeBytes(terminalConfPath(), (bin + "/terminal\n").toUtf8()));
        home.environment().prependPath(bin);
        Fixture fx(home.filePath("src"));
        const QByteArray text("public class Hello { String s = \"a\0b\"; }", 40);
        loadEditorText(fx.f().Txt_edit, QString::fromUtf8(text));

        fx.click(fx.f().Cmd_byyx);

        QCOMPARE(fileBytes(seen), text + "\n");
        QCOMPARE(editorBytes(fx.f().Txt_edit), text);
    }

    void anyEditMarksUnsaved() {
        Fixture fx;
        fx.f().Txt_edit->setFocus();
        QTest::keyClick(fx.f().Txt_edit, Qt::Key_A);
        QTest::keyClick(fx.f().Txt_edit, Qt::Key_Backspace);
        QCOMPARE(fx.f().Txt_edit->text(), QString());
        QVERIFY(!fx.window->workspace().Saved);
        QCOMPARE(fx.f().Txt_file->text(), QString());
    }

    void directoryCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("invalid");
        QTest::newRow("absolute") << "/home/u/java" << false;
        QTest::newRow("home relative") << "~/java" << false;
        QTest::newRow("relative") << "java" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("drive letter") << "D:" << true;
    }

    void directoryCheck() {
        QFETCH(QString, text);
        QFETCH(bool, invalid);
        Fixture fx;
        fx.f().Txt_table->setText(text);
        QCOMPARE(fx.window->workspace().DirInvalid, invalid);
        QVERIFY(fx.f().Cmd_set->isEnabled());
    }

    void storeDirectoryWritesPathAndDisablesButton() {
        Fixture fx;
        fx.f().Txt_table->setText(QStringLiteral("/new place"));
        fx.f().Cmd_set->click();
        QVERIFY(!fx.f().Cmd_set->isEnabled());
        QCOMPARE(fx.state.settings.Path, QStringLiteral("/new place"));
        QCOMPARE(loadSettings(fx.programDir.path()).settings.Path, QStringLiteral("/new place"));
    }

    // MySet.ini copied from Windows: 目录 shows the default directory, which
    // 保存设置 offers to store, and then stores in place of the drive.
    void pathOfAnotherSystemIsOfferedForStoring() {
        if (platform::scriptKind() == platform::ScriptKind::Batch)
            QSKIP("drive letters are this system's own");
        TemporaryHome home;
        Fixture fx(QStringLiteral("D:\\MyJava"));
        QCOMPARE(fx.f().Txt_table->text(), home.filePath("MyJava"));
        QVERIFY(!fx.window->workspace().DirInvalid);
        QVERIFY(fx.f().Cmd_set->isEnabled());
        QCOMPARE(loadSettings(fx.programDir.path()).settings.Path, home.filePath("MyJava"));
        fx.f().Cmd_set->click();
        QVERIFY(!fx.f().Cmd_set->isEnabled());
        QVERIFY(fileBytes(fx.programDir.filePath("MySet.ini"))
                    .contains("[Path+]" + home.filePath("MyJava").toUtf8() + "[Path-]"));
    }

    void saveCaptionComesBackAfterTimer() {
        Fixture fx;
        QTemporaryDir target;
        fx.f().Txt_table->setText(target.path());
        fx.f().Txt_edit->setText(QStringLiteral("class A {}"));
        QElapsedTimer clock;
        clock.start();
        fx.f().Cmd_save->click();
        QCOMPARE(fx.f().Cmd_save->caption(), QStringLiteral("保存中.."));
        QTRY_COMPARE_WITH_TIMEOUT(fx.f().Cmd_save->caption(), QStringLiteral("保存"), 1000);
        QVERIFY(clock.elapsed() >= 140);
    }

    void textsFitTheirControls() {
        // The offscreen screen is 800 x 600: the compact layout, fonts at two thirds.
        Fixture fx;
        for (SkinButton *b : fx.window->findChildren<SkinButton *>()) {
            b->ensurePolished();
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->caption()) <= b->width(),
                     qPrintable(b->objectName()));
        }
        for (QLineEdit *field : {fx.f().Txt_backname, fx.f().Txt_table}) {
            const int text = field->fontMetrics().horizontalAdvance(field->text());
            QVERIFY2(text <= field->width(), qPrintable(field->objectName()));
        }
        // A name longer than the field shows its beginning, the whole of it as the tooltip.
        fx.f().Txt_edit->setText(QStringLiteral("public class HelloWorldFromALongName {}"));
        QCOMPARE(fx.f().Txt_file->cursorPosition(), 0);
        QCOMPARE(fx.f().Txt_file->toolTip(), QStringLiteral("HelloWorldFromALongName"));
    }

    void layoutFollowsTwips() {
        Fixture fx;
        // Every moved control keeps the gap between the last two buttons of the file row.
        const QRect open = fx.f().Cmd_open->geometry();
        const QRect backname = fx.f().Txt_backname->geometry();
        QVERIFY(backname.right() < open.left());
        QVERIFY(fx.f().Cmd_end->geometry().right() <= fx.f().Fra_set->width());
        QVERIFY(fx.f().Fra_set->geometry().bottom() <= fx.window->height());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
