#include "controls/line_jump_bar.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <Qsci/qsciscintilla.h>

namespace qm {

LineJumpBar::LineJumpBar(QsciScintilla *sourceEditor, QWidget *parent)
    : EditorBar(sourceEditor, parent) {
    setObjectName(QStringLiteral("lineJumpBar"));
    number = new QLineEdit(this);
    number->setValidator(new QIntValidator(1, 99999999, number));
    number->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    range = new QLabel(this);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(new QLabel(QStringLiteral("转到行:"), this));
    row->addWidget(number);
    row->addWidget(range);
    connect(number, &QLineEdit::returnPressed, this, [this] {
        if (!number->text().isEmpty())
            jumpTo(number->text().toInt());
    });
}

void LineJumpBar::open() {
    int line = 0, index = 0;
    editor->getCursorPosition(&line, &index);
    number->setText(QString::number(line + 1));
    range->setText(QStringLiteral("(1 - %1)").arg(editor->lines()));
    popUp();
    number->setFocus(Qt::ShortcutFocusReason);
    number->selectAll();
}

void LineJumpBar::jumpTo(int lineNumber) {
    const int line = qBound(1, lineNumber, editor->lines()) - 1;
    editor->setCursorPosition(line, 0);
    editor->ensureLineVisible(line);
    close();
}

} // namespace qm
