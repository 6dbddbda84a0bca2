// The main window's keys. Those with a button click it, so a key does
// exactly what the button does.
#include "controls/find_bar.h"
#include "controls/line_jump_bar.h"
#include "controls/skin_button.h"
#include "workspace/main_window.h"

#include <QGroupBox>
#include <QShortcut>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {

template <typename Action>
void onKeys(QWidget *window, std::initializer_list<QKeySequence> keys, Action action) {
    for (const QKeySequence &key : keys)
        QObject::connect(new QShortcut(key, window), &QShortcut::activated, window, action);
}

} // namespace

void Frm_java::wireKeys() {
    const MainForm &f = mainForm;
    findBar = new FindBar(f.Txt_edit, f.Fra_edit);
    lineJumpBar = new LineJumpBar(f.Txt_edit, f.Fra_edit);
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_S)}, [&f] { f.Cmd_save->click(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_O)}, [&f] { f.Cmd_open->click(); });
    onKeys(this, {QKeySequence(Qt::Key_F5)}, [&f] { f.Cmd_byyx->click(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_F)}, [this] { findBar->open(); });
    onKeys(this, {QKeySequence(Qt::Key_F3)}, [this] { findBar->findNext(); });
    onKeys(this, {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, [this] { findBar->findPrevious(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_G)}, [this] { lineJumpBar->open(); });
    // Ctrl+= is Ctrl++ without Shift on most keyboards.
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
           [&f] { f.Txt_edit->zoomIn(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [&f] { f.Txt_edit->zoomOut(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [&f] { f.Txt_edit->zoomTo(0); });
}

} // namespace qm
