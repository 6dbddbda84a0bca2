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

// The bars are made the first time they are asked for: most sessions never
// use them, and the window shows sooner without them.
FindBar *Frm_java::finder() {
    if (!findBar) {
        findBar = new FindBar(mainForm.Txt_edit, mainForm.Fra_edit);
        watchFileDrops(findBar);
    }
    return findBar;
}

LineJumpBar *Frm_java::lineJumper() {
    if (!lineJumpBar) {
        lineJumpBar = new LineJumpBar(mainForm.Txt_edit, mainForm.Fra_edit);
        watchFileDrops(lineJumpBar);
    }
    return lineJumpBar;
}

void Frm_java::wireKeys() {
    const MainForm &f = mainForm;
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_S)}, [&f] { f.Cmd_save->click(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_O)}, [&f] { f.Cmd_open->click(); });
    onKeys(this, {QKeySequence(Qt::Key_F5)}, [&f] { f.Cmd_byyx->click(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_F)}, [this] { finder()->open(); });
    onKeys(this, {QKeySequence(Qt::Key_F3)}, [this] { finder()->findNext(); });
    onKeys(this, {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, [this] { finder()->findPrevious(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_G)}, [this] { lineJumper()->open(); });
    // Ctrl+= is Ctrl++ without Shift on most keyboards.
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
           [&f] { f.Txt_edit->zoomIn(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [&f] { f.Txt_edit->zoomOut(); });
    onKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [&f] { f.Txt_edit->zoomTo(0); });
}

} // namespace qm
