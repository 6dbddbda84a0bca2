#include "build/javac_server.h"
#include "controls/skin_button.h"
#include "settings/settings_file.h"
#include "temporary_home.h"
#include "test_files.h"
#include "wait_for.h"
#include "window_session.h"
#include "workspace/editor_text.h"
#include "workspace/main_window.h"
#include "workspace/source_file.h"
#include "workspace/source_keeper.h"

#include <QDialog>
#include <QLineEdit>
#include <QStringEncoder>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace qm;
using namespace qm::testing;
using namespace std::chrono_literals;

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

// Opens `path`, a named pipe, for writing and writes `text` once `seconds`
// have gone by, unless it is dropped first; does nothing for other files.
class PipeWriter {
public:
    PipeWriter(const QString &path, const QByteArray &text)
        : thread([this, fifo = QFile::encodeName(path), text] {
              std::unique_lock lock(mutex);
              if (dropped.wait_for(lock, 3s, [this] { return done; }))
                  return;
              const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0 && ::write(fd, text.constData(), size_t(text.size())) >= 0)
                  ::close(fd);
          }) {}
    ~PipeWriter() {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        dropped.notify_all();
        thread.join();
    }

private:
    std::mutex mutex;
    std::condition_variable dropped;
    bool done = false;
    std::thread thread;
};

} // namespace

class TestOpenSaveExit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    // Only a window that goes ends the warm javac for good; a build that
    // returns afterwards starts none. First, before any window has gone.
    void leavingEndsTheWarmJavac_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("serverStarts");
        QTest::newRow("stays") << int(Answer::Cancel) << true;
        QTest::newRow("leaves") << int(Answer::No) << false;
    }

    void leavingEndsTheWarmJavac() {
        QFETCH(int, answer);
        QFETCH(bool, serverStarts);
        Fixture fx;
        const QString jdk = fx.work.filePath("jdk");
        QVERIFY(writeExecutable(jdk + "/bin/java", "touch \"$0.started\"; exec sleep 60"));
        fx.type("class Left {}");
        fx.prompter.answers = {Answer(answer)};
        fx.f().Cmd_end->click();
        build::JavacSetup setup;
        setup.jdk = jdk;
        build::JavacServer::instance()->start(setup);
        QCOMPARE(waitFor([&] { return QFileInfo::exists(jdk + "/bin/java.started"); }, 2s),
                 serverStarts);
        build::JavacServer::instance()->stop();
    }

    // A build becomes likely with the first edit or a file opened in the
    // window; a file the program was started with is only being read.
    void warmJavacIsWantedOnceABuildIsLikely() {
        Fixture fx;
        const QString file = fx.work.filePath("Read.java");
        QVERIFY(writeBytes(file, "public class Read {}\n"));
        fx.window->openAtStart(file);
        QCOMPARE(fx.f().Txt_file->text(), QStringLiteral("Read"));
        QCOMPARE(fx.buildsExpected, 0);
        fx.type("public class Typed {}");
        QVERIFY(fx.buildsExpected > 0);
        Fixture opened;
        opened.open(file);
        QCOMPARE(opened.f().Txt_file->text(), QStringLiteral("Read"));
        QVERIFY(opened.buildsExpected > 0);
    }

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
        QCOMPARE(fx.chooser.lastFilter, QStringLiteral("Java源文件(*.java)"));
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
    // Only regular files open, and none holds the window: a named pipe nobody
    // writes to, a device that never ends, a folder. Should the window wait
    // on the pipe, a writer frees it after three seconds.
    void onlyRegularFilesOpen_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("viaDialog");
        for (const char *kind : {"named pipe", "device", "folder"}) {
            QTest::addRow("%s, command line", kind) << kind << false;
            QTest::addRow("%s, 打开", kind) << kind << true;
        }
    }

    void onlyRegularFilesOpen() {
        QFETCH(QString, kind);
        QFETCH(bool, viaDialog);
        Fixture fx;
        QString path = kind == "device" ? "/dev/zero" : fx.work.filePath("Piped.java");
        if (kind == "named pipe")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        if (kind == "folder")
            path = fx.work.path();
        PipeWriter freeing(path, "class Piped {}");
        QElapsedTimer took;
        took.start();
        if (viaDialog)
            fx.open(path);
        else
            fx.window->keeper().openFile(path);
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed()) + " ms"));
        QCOMPARE(fx.editorText(), QString());
        QVERIFY(fx.prompter.questions.isEmpty());
    }

    // A huge file is read only after a question, which defaults to no.
    void hugeFileAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no keeps the editor") << int(Answer::No) << false;
        QTest::newRow("yes opens") << int(Answer::Yes) << true;
    }

    void hugeFileAsksFirst() {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        Fixture fx;
        const QString huge = fx.work.filePath("Huge.java");
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("class Huge {}\n") > 0);
        QVERIFY(file.resize(kLargeSourceBytes + 1)); // sparse: nothing is written
        file.close();
        fx.prompter.answers = {Answer(answer)};
        fx.window->keeper().openFile(huge);
        QCOMPARE(fx.prompter.questions,
                 QStringList{"打开|“Huge.java”有 50 MB，不像是 Java 源文件。\n"
                             "打开这么大的文件要等很久，编辑也会很慢。仍要打开吗？"});
        QCOMPARE(fx.f().Txt_file->text() == "Huge", opened);
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

    // A stored Path that is not absolute is below the home directory; one of
    // another system (a file copied from Windows) is the default directory.
    void relativeStoredPathSavesBelowHome_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("savedIn");
        QTest::newRow("relative") << "MyJava/src" << home.filePath("MyJava/src");
        QTest::newRow("windows path") << "D:\\MyJava" << home.filePath("MyJava");
        QTest::newRow("space in front of an absolute path")
            << " " + home.path() + "/abs" << home.path() + "/abs";
    }

    void relativeStoredPathSavesBelowHome() {
        QFETCH(QString, stored);
        QFETCH(QString, savedIn);
        QTemporaryDir working;
        QDir::setCurrent(working.path());
        Fixture fx(stored);
        fx.type("class Rel {}");
        QVERIFY(fx.window->keeper().Savefile());
        QCOMPARE(fileBytes(savedIn + "/Rel.java"), QByteArray("class Rel {}\n"));
        QVERIFY(QDir(working.path()).isEmpty());
    }

private:
    TemporaryHome home;
};

QTEST_MAIN(TestOpenSaveExit)
#include "test_open_save_exit.moc"
