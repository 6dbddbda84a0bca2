#include "workspace/source_keeper.h"

#include "startup/atomic_file.h"
#include "startup/create_directory.h"
#include "startup/open_file_chooser.h"
#include "startup/prompter.h"
#include "startup/skin_button.h"
#include "workspace/main_form.h"
#include "workspace/source_file.h"
#include "workspace/workspace_state.h"

#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {
const QString kJavaFilter = QStringLiteral("Java源文件 (*.java)");
const QString kConfirmTitle = QStringLiteral("保存确认");
} // namespace

SourceKeeper::SourceKeeper(QWidget *window, MainForm &form, WorkspaceState &state,
                           Prompter &prompter, OpenFileChooser &chooser)
    : QObject(window), m_window(window), m_form(form), m_state(state), m_prompter(prompter),
      m_chooser(chooser) {}

bool SourceKeeper::Savefile() {
    if (m_state.DirInvalid) {
        saveFailed();
        return false;
    }
    const QString text = m_form.Txt_edit->text();
    const QString kept = cutAfterLastBrace(text);
    if (kept != text)
        cutTrailingText(kept);
    if (!writeSource()) {
        saveFailed();
        return false;
    }
    m_state.Saved = true;
    m_state.DirInvalid = false;
    return true;
}

bool SourceKeeper::writeSource() {
    const QString directory = m_form.Txt_table->text();
    const auto path = sourcePath(directory, m_form.Txt_file->text());
    if (!path)
        return false;
    CreateNewDirectory(directory);
    return writeFileAtomically(*path, encodeSource(m_form.Txt_edit->text()));
}

// Drops what follows the last brace while keeping the caret and the view.
void SourceKeeper::cutTrailingText(const QString &kept) {
    int line = 0, index = 0;
    m_form.Txt_edit->getCursorPosition(&line, &index);
    const int firstVisible = m_form.Txt_edit->firstVisibleLine();
    m_form.Txt_edit->setText(kept);
    const int lastLine = m_form.Txt_edit->lines() - 1;
    line = qMin(line, lastLine);
    index = qMin(index, m_form.Txt_edit->text(line).size());
    m_form.Txt_edit->setCursorPosition(line, index);
    m_form.Txt_edit->setFirstVisibleLine(firstVisible);
}

void SourceKeeper::saveFailed() {
    m_prompter.showError(m_window, QStringLiteral("出错"),
                         QStringLiteral("文件目录设置错误！请重新设置..."));
    m_state.Saved = false;
    m_state.DirInvalid = true;
}

void SourceKeeper::saveClicked() {
    m_form.Cmd_save->setCaption(QStringLiteral("保存中.."));
    Savefile();
    m_form.Tim_color->start();
}

void SourceKeeper::openClicked() {
    // Replacing unsaved work needs the same consent as leaving.
    if (!mayLeave())
        return;
    const auto path = m_chooser.chooseOpenFile(m_window, kJavaFilter);
    if (!path)
        return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return;
    m_form.Txt_edit->setText(decodeSource(bytes));
    m_state.Saved = true;
}

bool SourceKeeper::mayLeave() {
    if (m_state.Saved)
        return true;
    const QString question = saveQuestion(m_form.Txt_table->text(), m_form.Txt_file->text());
    switch (m_prompter.askYesNoCancel(m_window, kConfirmTitle, question)) {
    case Answer::Yes:
        return Savefile();
    case Answer::No:
        return true;
    case Answer::Cancel:
        return false;
    }
    return false;
}

} // namespace qm
