// The editor and the main window's keys: each key does what its button does,
// editing keeps indentation, the find and go-to-line bars, zoom, and the
// way out of the editor with the keyboard.

#include "controls/find_bar.h"
#include "controls/line_jump_bar.h"
#include "controls/skin_button.h"
#include "environment_guard.h"
#include "temporary_home.h"
#include "test_files.h"
#include "window_session.h"
#include "workspace/diagnostic_marks.h"
#include "workspace/main_window.h"
#include "workspace/open_start.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

struct Shown : WindowSession {
    Shown() : WindowSession(QDir::temp().filePath("quillmoss-keys-src")) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QsciScintilla *editor() const { return f().Txt_edit; }
    void typeLine(const char *text) {
        QTest::keyClicks(editor(), QString::fromUtf8(text));
        QTest::keyClick(editor(), Qt::Key_Return);
    }
    int zoom() const { return int(editor()->SendScintilla(QsciScintilla::SCI_GETZOOM)); }
    FindBar *finder() const { return window->findChild<FindBar *>(); }
    QString selection() const { return editor()->selectedText(); }
    int caretLine() const {
        int line = 0, index = 0;
        editor()->getCursorPosition(&line, &index);
        return line;
    }
};

const QString kText = QStringLiteral("int Foo = 1;\nint foo = 2;\nint fOO = 3;\nint foo = 4;\n");

} // namespace

class TestEditorKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void keysDoWhatTheButtonsDo_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("fromFileField");
        for (bool field : {false, true}) {
            const char *where = field ? ", in 文件" : ", in the editor";
            QTest::newRow(qPrintable(QString("Ctrl+S") + where)) << QKeySequence("Ctrl+S") << field;
            QTest::newRow(qPrintable(QString("Ctrl+O") + where)) << QKeySequence("Ctrl+O") << field;
            QTest::newRow(qPrintable(QString("F5") + where)) << QKeySequence("F5") << field;
        }
    }

    void keysDoWhatTheButtonsDo() {
        QFETCH(QKeySequence, key);
        QFETCH(bool, fromFileField);
        Shown s;
        s.f().Txt_table->setText(home.filePath("src"));
        s.editor()->setText(QStringLiteral("public class Hello {\n}"));
        QWidget *target = fromFileField ? static_cast<QWidget *>(s.f().Txt_file) : s.editor();
        target->setFocus();
        {
            EnvironmentGuard env;
            env.set("PATH", home.filePath("no-bin")); // no terminal: 编译+运行 says so
            QTest::keySequence(target, key);
        }

        if (key == QKeySequence("Ctrl+S")) {
            QCOMPARE(s.f().Cmd_save->caption(), QStringLiteral("保存中.."));
            QVERIFY(QFile::exists(home.filePath("src/Hello.java")));
            QVERIFY(s.ws().Saved);
        } else if (key == QKeySequence("Ctrl+O")) {
            QCOMPARE(s.chooser.shown, 0); // unsaved: asked first, and Cancel keeps the text
            QCOMPARE(s.prompter.questions.size(), 1);
        } else {
            QCOMPARE(
                s.prompter.errors,
                QStringList{"编译+运行|未找到可用的终端程序（如 xterm），无法打开控制台窗口。"});
        }
        // The key is not typed into the control that had the focus.
        QCOMPARE(s.editor()->text(), QStringLiteral("public class Hello {\n}"));
        QCOMPARE(s.f().Txt_file->text(), QStringLiteral("Hello"));
        QFile::remove(home.filePath("src/Hello.java"));
    }

    void openKeyShowsTheDialogWhenSaved() {
        Shown s;
        s.editor()->setFocus();
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+O"));
        QCOMPARE(s.chooser.shown, 1);
        QVERIFY(s.prompter.questions.isEmpty());
    }

    void autoIndent_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("after a brace, one level more")
            << QStringList{"class A {", "int a;"} << "class A {\n    int a;\n    ";
        QTest::newRow("a new line keeps the indentation")
            << QStringList{"    int a;", "int b;"} << "    int a;\n    int b;\n    ";
        QTest::newRow("a closing brace at the start of a line dedents")
            << QStringList{"class A {", "void f() {", "x();", "}", "}"}
            << "class A {\n    void f() {\n        x();\n    }\n}\n";
        QTest::newRow("tab indents four spaces") << QStringList{"\t"} << "    \n    ";
    }

    void autoIndent() {
        QFETCH(QStringList, typed);
        QFETCH(QString, text);
        Shown s;
        s.editor()->setFocus();
        for (const QString &line : typed) {
            if (line == "\t")
                QTest::keyClick(s.editor(), Qt::Key_Tab);
            else
                QTest::keyClicks(s.editor(), line);
            QTest::keyClick(s.editor(), Qt::Key_Return);
        }
        QCOMPARE(s.editor()->text(), text);
    }

    // Typed characters reach the editor's listeners (the scan, the marks,
    // undo) as any other edit does.
    void typingIsHeardByEveryListener() {
        Shown s;
        s.editor()->setText(QStringLiteral("public class Hello {\n    int x = \"s\";\n}\n"));
        auto *marks = s.editor()->findChild<DiagnosticMarks *>();
        QVERIFY(marks);
        marks->show({{2, 12, build::Severity::Error, "error: incompatible types"}});
        int changes = 0;
        connect(s.editor(), &QsciScintilla::textChanged, this, [&] { ++changes; });
        s.editor()->setCursorPosition(0, 18); // after "Hello"
        s.editor()->setFocus();
        QTest::keyClick(s.editor(), Qt::Key_W);
        QKeyEvent chinese(QEvent::KeyPress, 0x540d, Qt::NoModifier, QStringLiteral("名"));
        QApplication::sendEvent(s.editor(), &chinese);
        s.editor()->setCursorPosition(1, 9);
        QTest::keyClick(s.editor(), Qt::Key_Y);

        QCOMPARE(s.editor()->text(),
                 QStringLiteral("public class Hellow名 {\n    int xy = \"s\";\n}\n"));
        QCOMPARE(changes, 3);
        QCOMPARE(s.f().Txt_file->text(), QStringLiteral("Hellow名"));
        QVERIFY(!s.ws().Saved);
        QCOMPARE(s.editor()->markersAtLine(1), 0u); // the edit cleared the marked line
        QVERIFY(s.editor()->annotation(1).isEmpty());
        s.editor()->undo();
        s.editor()->undo();
        QCOMPARE(s.editor()->text(),
                 QStringLiteral("public class Hello {\n    int x = \"s\";\n}\n"));
        QCOMPARE(s.f().Txt_file->text(), QStringLiteral("Hello"));
    }

    void ctrlTabLeavesTheEditor_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("reached");
        QTest::newRow("forward") << QKeySequence("Ctrl+Tab") << "Cmd_save";
        QTest::newRow("backward") << QKeySequence("Ctrl+Shift+Tab") << "Txt_file";
    }

    void ctrlTabLeavesTheEditor() {
        QFETCH(QKeySequence, key);
        QFETCH(QString, reached);
        Shown s;
        s.editor()->setFocus();
        QTest::keySequence(s.editor(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), reached);
        QCOMPARE(s.editor()->text(), QString());
    }

    void zoomKeys() {
        Shown s;
        s.editor()->setFocus();
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+="));
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+="));
        QCOMPARE(s.zoom(), 2);
        QCOMPARE(s.editor()->text(), QString()); // no "=" typed
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+-"));
        QCOMPARE(s.zoom(), 1);
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+0"));
        QCOMPARE(s.zoom(), 0);
    }

    void lineNumbersKeepTheirRoom() {
        Shown s;
        const int before = s.editor()->marginWidth(0);
        s.editor()->setText(QString(100000, u'\n'));
        QVERIFY(s.editor()->marginWidth(0) > before);
        const int wide = s.editor()->marginWidth(0);
        s.editor()->zoomIn(4);
        QVERIFY(s.editor()->marginWidth(0) > wide);
    }

    void findBar() {
        Shown s;
        s.editor()->setText(kText);
        s.editor()->setFocus();
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+F"));
        FindBar *bar = s.finder();
        QVERIFY(bar->isVisible());
        QCOMPARE(QApplication::focusWidget(), bar->field());
        QTest::keyClicks(bar->field(), "foo");
        QCOMPARE(s.caretLine(), 0); // found while typing, "Foo" whatever the case
        QTest::keyClick(bar->field(), Qt::Key_Return);
        QCOMPARE(s.caretLine(), 1);
        QTest::keyClick(bar->field(), Qt::Key_F3);
        QCOMPARE(s.caretLine(), 2);
        QTest::keyClick(bar->field(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(s.caretLine(), 1);
        QTest::keyClick(bar->field(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(s.caretLine(), 0);

        QTest::mouseClick(bar->caseBox(), Qt::LeftButton);
        QTest::keyClick(bar->field(), Qt::Key_Return);
        QCOMPARE(s.caretLine(), 1);
        QTest::keyClick(bar->field(), Qt::Key_Return);
        QCOMPARE(s.caretLine(), 3);
        QTest::keyClick(bar->field(), Qt::Key_Return); // wraps round
        QCOMPARE(s.caretLine(), 1);
        QCOMPARE(s.selection(), QStringLiteral("foo"));

        bar->field()->setText("bar");
        QVERIFY(!bar->findNext());
        QCOMPARE(s.caretLine(), 1);

        QTest::keyClick(bar->field(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QCOMPARE(QApplication::focusWidget(), s.editor());
        QCOMPARE(s.editor()->text(), kText);
    }

    void findBarStartsWithTheSelection() {
        Shown s;
        s.editor()->setText(kText);
        s.editor()->setSelection(2, 4, 2, 7);
        s.editor()->setFocus();
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+F"));
        QCOMPARE(s.finder()->field()->text(), QStringLiteral("fOO"));
        QCOMPARE(s.finder()->field()->selectedText(), QStringLiteral("fOO"));
    }

    void goToLine_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("line");
        QTest::newRow("a line") << "3" << 2;
        QTest::newRow("past the end") << "99" << 4;
    }

    void goToLine() {
        QFETCH(QString, typed);
        QFETCH(int, line);
        Shown s;
        s.editor()->setText(kText);
        s.editor()->setFocus();
        QTest::keySequence(s.editor(), QKeySequence("Ctrl+G"));
        auto *bar = s.window->findChild<LineJumpBar *>();
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->field()->text(), QStringLiteral("1"));
        QTest::keyClicks(bar->field(), typed);
        QTest::keyClick(bar->field(), Qt::Key_Return);
        QCOMPARE(s.caretLine(), line);
        QVERIFY(!bar->isVisible());
        QCOMPARE(QApplication::focusWidget(), s.editor());
    }

    // Buttons are reached with Tab, as toolbar buttons are, but a click
    // leaves the keyboard focus in the editor: Ctrl+Z right after 保存 takes
    // the save's cut back.
    void aClickLeavesTheFocusInTheEditor_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("保存") << "Cmd_save";
        QTest::newRow("编译+运行 (no terminal: a message)") << "Cmd_byyx";
        QTest::newRow("打开 (cancelled)") << "Cmd_open";
    }

    void aClickLeavesTheFocusInTheEditor() {
        QFETCH(QString, button);
        EnvironmentGuard env;
        env.set("PATH", home.filePath("no-bin"));
        Shown s;
        s.f().Txt_table->setText(home.filePath("src"));
        const QString text = QStringLiteral("public class Hello {\n}\n// a note after the class\n");
        s.editor()->setText(text);
        s.editor()->setFocus();
        s.editor()->setCursorPosition(3, 0);
        QTest::keyClicks(s.editor(), "x");
        s.prompter.answers = {Answer::Cancel};
        QTest::mouseClick(s.window->findChild<SkinButton *>(button), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), s.editor());
        // The last edit undone: the save's cut, or else the typed letter.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.editor()->text(), button == "Cmd_save" ? text + "x" : text);

        QTest::keyClick(s.editor(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), s.f().Cmd_save);
    }

    void openDialogStart_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        const QString a = home.filePath("a"), b = home.filePath("b"), c = home.filePath("c");
        for (const QString &dir : {a, b, c})
            QDir().mkpath(dir);
        const QString none = home.filePath("none");
        QTest::newRow("the last folder opened from") << c << a << b << c;
        QTest::newRow("last folder gone: the field") << none << a << b << a;
        QTest::newRow("the directory field") << "" << a << b << a;
        QTest::newRow("the field from home") << ""
                                             << "~/a" << b << a;
        QTest::newRow("field missing: Path") << "" << none << b << b;
        QTest::newRow("all missing: home") << none << "" << none << home.path();
        QTest::newRow("a relative text lies below home") << ""
                                                         << "a"
                                                         << "b" << a;
        QTest::newRow("relative texts, missing: home") << ""
                                                       << "x"
                                                       << "y" << home.path();
    }

    void openDialogStart() {
        QFETCH(QString, last);
        QFETCH(QString, field);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(QDir(qm::openDialogStart(last, field, path)), QDir(expected));
    }

    // The real open dialog: it starts in 目录, then where the last file came from.
    void openDialogStartsInTheLastFolder() {
        const QString source = home.filePath("src"), other = home.filePath("other");
        QVERIFY(QDir().mkpath(source) && QDir().mkpath(other));
        const QString chosen = other + "/Other.java";
        QVERIFY(writeBytes(chosen, "public class Other {}\n"));
        ProgramState state;
        QTemporaryDir programDir;
        state.programDir = programDir.path();
        state.settings = Settings{1, 0, 0, source};
        FakePrompter prompter;
        Frm_java window(state, MainWindowServices{&prompter, nullptr, {}, [] {}});
        window.showAtStart();
        QStringList startedIn;
        QTimer answering;
        QString answer;
        connect(&answering, &QTimer::timeout, this, [&] {
            auto *dialog = window.findChild<QFileDialog *>();
            if (!dialog || !dialog->isVisible())
                return;
            answering.stop();
            startedIn << dialog->directory().absolutePath();
            if (answer.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the name field, as a learner would.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(answer);
            QTest::keyClick(name, Qt::Key_Return);
        });
        const auto open = [&](const QString &file) {
            answer = file;
            answering.start(20);
            window.form().Cmd_open->click();
            answering.stop();
        };
        open(chosen);
        QCOMPARE(window.form().Txt_file->text(), QStringLiteral("Other"));
        open(QString());
        QCOMPARE(startedIn, (QStringList{source, other}));
    }

    void openShowsTheStartOfTheText() {
        Shown s;
        const QString file = home.filePath("Long.java");
        QString text = QStringLiteral("public class Long {}\n");
        for (int i = 0; i < 300; ++i)
            text += QString(400, u'x') + u'\n';
        QVERIFY(qm::testing::writeBytes(file, text.toUtf8()));
        s.editor()->setText(text);
        s.editor()->setCursorPosition(250, 390);
        s.editor()->ensureCursorVisible();
        s.prompter.answers = {Answer::No};
        s.chooser.choice = file;
        s.click(s.f().Cmd_open);
        int line = -1, index = -1;
        s.editor()->getCursorPosition(&line, &index);
        QCOMPARE(line, 0);
        QCOMPARE(index, 0);
        QCOMPARE(s.editor()->firstVisibleLine(), 0);
        QCOMPARE(s.editor()->SendScintilla(QsciScintilla::SCI_GETXOFFSET), 0);
    }

private:
    TemporaryHome home;
};

QTEST_MAIN(TestEditorKeys)
#include "test_editor_keys.moc"
