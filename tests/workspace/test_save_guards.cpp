// What 保存 must never do: replace another program's file without asking,
// make a read-only file writable, or write under a name no file may have.

#include "controls/skin_button.h"
#include "temporary_home.h"
#include "test_files.h"
#include "window_session.h"
#include "workspace/editor_text.h"
#include "workspace/main_window.h"
#include "workspace/source_file.h"
#include "workspace/source_keeper.h"

#include <QLineEdit>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

const QString kDirError = QStringLiteral("出错|文件目录设置错误！请重新设置...");
const QByteArray kOther = "public class Main {\n    // 另一个程序：成绩统计\n}\n";
const QString kMine = QStringLiteral("public class Main {\n    // 我的程序\n}\n\n// 备注");
const QByteArray kMineSaved = "public class Main {\n    // 我的程序\n}\n";

struct SourceDirectory {
    QTemporaryDir work;
};

struct Fixture : SourceDirectory, WindowSession {
    Fixture() : WindowSession(work.path()) {}
    void type(const QString &text) { f().Txt_edit->setText(text); }
    QString path(const QString &name) const { return work.filePath(name + ".java"); }
    bool save() { return window->keeper().Savefile(); }
    QString overwriteQuestion(const QString &name) const {
        return "覆盖确认|“" + path(name) + "”已经存在，其中保存的是另一个程序。\n" +
               "要用编辑区中的程序替换它吗？";
    }
    void open(const QString &file) {
        chooser.choice = file;
        f().Cmd_open->click();
    }
};

} // namespace

class TestSaveGuards : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void anotherProgramsFileIsReplacedOnlyWhenConfirmed_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("否 keeps it") << int(Answer::No);
        QTest::newRow("是 replaces it") << int(Answer::Yes);
    }

    void anotherProgramsFileIsReplacedOnlyWhenConfirmed() {
        QFETCH(int, answer);
        const bool replace = Answer(answer) == Answer::Yes;
        Fixture fx;
        QVERIFY(writeBytes(fx.path("Main"), kOther));
        fx.type(kMine);
        fx.prompter.answers = {Answer(answer)};
        QCOMPARE(fx.save(), replace);
        QCOMPARE(fx.prompter.questions, QStringList{fx.overwriteQuestion("Main")});
        QCOMPARE(fileBytes(fx.path("Main")), replace ? kMineSaved : kOther);
        QCOMPARE(fx.ws().Saved, replace);
        QVERIFY(!fx.ws().DirInvalid);
        QVERIFY(fx.prompter.errors.isEmpty());
        // Declined, the save leaves the editor as it was: nothing after "}" is cut.
        QCOMPARE(QString::fromUtf8(editorBytes(fx.f().Txt_edit)),
                 replace ? QString::fromUtf8(kMineSaved).chopped(1) : kMine);
        // Replaced once, it is the window's own file.
        fx.type(kMine + "\n// 再改一次");
        QVERIFY(fx.save() || !replace);
        QCOMPARE(fx.prompter.questions.size(), replace ? 1 : 2);
    }

    void leavingStaysWhenTheReplaceIsDeclined() {
        for (bool viaCloseBox : {false, true}) {
            Fixture fx;
            QVERIFY(writeBytes(fx.path("Main"), kOther));
            fx.type(kMine);
            fx.prompter.answers = {Answer::Yes, Answer::No}; // save, but do not replace
            if (viaCloseBox)
                fx.window->close();
            else
                fx.f().Cmd_end->click();
            QCOMPARE(fx.prompter.questions.size(), 2);
            QVERIFY(fx.prompter.questions[0].startsWith("保存确认|"));
            QVERIFY(fx.window->isVisible());
            QCOMPARE(fileBytes(fx.path("Main")), kOther);
        }
    }

    void ownFileIsReplacedWithoutAsking_data() {
        QTest::addColumn<bool>("opened");
        QTest::newRow("saved by the window") << false;
        QTest::newRow("opened by the window") << true;
    }

    void ownFileIsReplacedWithoutAsking() {
        QFETCH(bool, opened);
        Fixture fx;
        if (opened) {
            QVERIFY(writeBytes(fx.path("Main"), kOther));
            fx.open(fx.path("Main"));
        } else {
            fx.type(kMine);
            QVERIFY(fx.save());
        }
        fx.type(kMine + QStringLiteral("\n// 第二版"));
        QVERIFY(fx.save());
        QVERIFY(fx.prompter.questions.isEmpty());
        QCOMPARE(fileBytes(fx.path("Main")), kMineSaved);
    }

    void ownFileChangedOnDiskIsAnotherOnesNow() {
        Fixture fx;
        fx.type(kMine);
        QVERIFY(fx.save());
        QVERIFY(writeBytes(fx.path("Main"), kOther)); // another editor saved over it
        fx.type(kMine + QStringLiteral("\n// 第二版"));
        QVERIFY(!fx.save());
        QCOMPARE(fx.prompter.questions, QStringList{fx.overwriteQuestion("Main")});
        QCOMPARE(fileBytes(fx.path("Main")), kOther);
    }

    void fileHoldingTheSameProgramIsNoOtherOne() {
        Fixture fx;
        QVERIFY(writeBytes(fx.path("Main"), kMineSaved));
        fx.type(kMine);
        QVERIFY(fx.save());
        QVERIFY(fx.prompter.questions.isEmpty());
    }

    // The user's own protection, or a teacher's, stays: the save fails as any
    // failed save does.
    void readOnlyFileIsNotMadeWritable() {
        Fixture fx;
        QVERIFY(writeBytes(fx.path("Main"), kOther));
        fx.open(fx.path("Main"));
        QVERIFY(QFile::setPermissions(fx.path("Main"), QFile::ReadOwner | QFile::ReadGroup));
        fx.type(kMine);
        QVERIFY(!fx.save());
        QVERIFY(fx.prompter.questions.isEmpty()); // its own file: nothing to ask
        QCOMPARE(fx.prompter.errors, QStringList{kDirError});
        QCOMPARE(fileBytes(fx.path("Main")), kOther);
        QVERIFY(!(QFile::permissions(fx.path("Main")) & (QFile::WriteOwner | QFile::WriteGroup)));
        QVERIFY(!fx.ws().Saved);
        QVERIFY(fx.ws().DirInvalid);
    }

    void nameNoFileMayHaveIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "../Escaped";
        QTest::newRow("backslash") << "demo\\Hello";
        QTest::newRow("NUL") << QString("Hel") + QChar(0) + "lo";
        QTest::newRow("too long for a file") << QString(251, QLatin1Char('x'));
        QTest::newRow("too long in UTF-8") << QString(84, QChar(0x4f60));
    }

    void nameNoFileMayHaveIsRefused() {
        QFETCH(QString, name);
        Fixture fx;
        fx.type(kMine);
        fx.f().Txt_file->setText(name);
        QVERIFY(!fx.save());
        QCOMPARE(fx.prompter.errors, QStringList{"出错|" + unusableNameText()});
        QVERIFY(!fx.ws().DirInvalid);
        QCOMPARE(QDir(fx.work.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{});
        QVERIFY(!QFileInfo::exists(QFileInfo(fx.work.path()).dir().filePath("Escaped.java")));
        // A good name saves at once: the directory was never judged unusable.
        fx.f().Txt_file->setText(QString(250, QLatin1Char('x')));
        QVERIFY(fx.save());
        QCOMPARE(fileBytes(fx.path(QString(250, QLatin1Char('x')))), kMineSaved);
        QCOMPARE(fx.prompter.errors.size(), 1);
    }

private:
    TemporaryHome home;
};

QTEST_MAIN(TestSaveGuards)
#include "test_save_guards.moc"
