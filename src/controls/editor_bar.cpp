#include "controls/editor_bar.h"

#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

namespace qm {

EditorBar::EditorBar(QsciScintilla *sourceEditor, QWidget *parent)
    : QFrame(parent), editor(sourceEditor) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    hide();
}

void EditorBar::popUp() {
    adjustSize();
    // Inside the editor's text area, clear of its scroll bar.
    const QRect area = editor->viewport()->geometry().translated(editor->pos());
    const int width = qMin(sizeHint().width(), area.width());
    setGeometry(area.right() - width - 4, area.top() + 4, width, sizeHint().height());
    show();
    raise();
}

void EditorBar::close() {
    hide();
    editor->setFocus(Qt::OtherFocusReason);
}

void EditorBar::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace qm
