#include "workspace/source_keeper.h"

#include "controls/open_file_chooser.h"
#include "controls/prompter.h"
#include "controls/skin_button.h"
#include "platform/atomic_file.h"
#include "platform/create_directory.h"
#include "platform/regular_file.h"
#include "workspace/editor_setup.h"
#include "workspace/editor_text.h"
#include "workspace/main_form.h"
#include "workspace/source_file.h"
#include "workspace/workspace_state.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {
const QString kJavaFilter = QStringLiteral("Java源文件(*.java)");
const QString kConfirmTitle = QStringLiteral("保存确认");
const QString kOpenTitle = QStringLiteral("打开");
const QString kErrorTitle = QStringLiteral("出错");
} // namespace

SourceKeeper::SourceKeeper(QWidget *owner, MainForm &controls, WorkspaceState &workspace,
                           Prompter &prompts, OpenFileChooser &fileChooser)
    : QObject(owner), window(owner), form(controls), state(workspace), prompter(prompts),
      chooser(fileChooser) {}

bool SourceKeeper::Savefile() {
    if (state.DirInvalid) {
        saveFailed();
        return false;
    }
    // Directory, name and text are read before the cut: the scan that the cut
    // sets off would replace a name the user typed.
    const QString directory = form.Txt_table->text();
    const QString name = form.Txt_file->text();
    const std::optional<QString> path = sourcePath(directory, name);
    if (!path) {
        prompter.showError(window, kErrorTitle, unusableNameText());
        return false;
    }
    const QByteArray text = editorBytes(form.Txt_edit);
    const QByteArrayView kept = cutAfterLastBrace(text);
    const QByteArray bytes = encodeSource(QString::fromUtf8(kept));
    if (!mayReplace(*path, bytes)) {
        state.Saved = false;
        return false;
    }
    if (kept.size() < text.size())
        cutTrailingText(kept.size(), name);
    CreateNewDirectory(directory);
    if (!writeFileAtomically(*path, bytes)) {
        saveFailed();
        return false;
    }
    known.remember(*path, bytes);
    state.Saved = true;
    state.DirInvalid = false;
    return true;
}

// Another program's file is replaced only when the user says so.
bool SourceKeeper::mayReplace(const QString &path, const QByteArray &bytes) {
    if (!known.replacesOther(path, bytes))
        return true;
    return prompter.askYesNo(window, QStringLiteral("覆盖确认"), overwriteQuestion(path)) ==
           Answer::Yes;
}

// The name field keeps the name the file is saved under, so that the next
// question and the next save name the same file.
void SourceKeeper::cutTrailingText(qsizetype keptBytes, const QString &name) {
    cutEditorFrom(form.Txt_edit, keptBytes);
    form.Txt_file->setText(name);
}

void SourceKeeper::saveFailed() {
    prompter.showError(window, kErrorTitle, QStringLiteral("文件目录设置错误！请重新设置..."));
    state.Saved = false;
    state.DirInvalid = true;
}

void SourceKeeper::saveClicked() {
    form.Cmd_save->setCaption(QStringLiteral("保存中.."));
    Savefile();
    form.Tim_color->start();
}

void SourceKeeper::openClicked() {
    // Replacing unsaved work needs the same consent as leaving.
    if (!mayLeave())
        return;
    const auto path = chooser.chooseOpenFile(window, kJavaFilter);
    if (path)
        loadFile(*path);
}

void SourceKeeper::openFile(const QString &path) {
    if (mayLeave())
        loadFile(path);
}

// Regular files only, checked without opening them: a named pipe or a device
// would hold the window. A huge file is read only when the user wants it.
void SourceKeeper::loadFile(const QString &path) {
    const qint64 size = platform::regularFileSize(path);
    if (size < 0)
        return;
    if (size > kLargeSourceBytes &&
        prompter.askYesNo(window, kOpenTitle, largeFileQuestion(path, size)) != Answer::Yes)
        return;
    const std::optional<QByteArray> bytes = platform::readRegularFile(path);
    if (!bytes)
        return;
    loadEditorText(form.Txt_edit, decodeSource(*bytes));
    showTextStart(form.Txt_edit);
    known.remember(path, *bytes);
    state.Saved = true;
    openedFolder = QFileInfo(path).absolutePath();
}

bool SourceKeeper::mayLeave() {
    if (state.Saved)
        return true;
    const QString question = saveQuestion(form.Txt_table->text(), form.Txt_file->text());
    switch (prompter.askYesNoCancel(window, kConfirmTitle, question)) {
    case Answer::Yes: return Savefile();
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

} // namespace qm
