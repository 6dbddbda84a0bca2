#include "controls/find_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {

QToolButton *toolButton(QWidget *parent, const QString &text, const QString &tip) {
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    return b;
}

} // namespace

FindBar::FindBar(QsciScintilla *sourceEditor, QWidget *parent) : EditorBar(sourceEditor, parent) {
    setObjectName(QStringLiteral("findBar"));
    text = new QLineEdit(this);
    text->setPlaceholderText(QStringLiteral("查找"));
    text->setClearButtonEnabled(true);
    text->installEventFilter(this);
    matchCase = new QCheckBox(QStringLiteral("区分大小写"), this);
    notFound = new QLabel(QStringLiteral("未找到"), this);
    notFound->setStyleSheet(QStringLiteral("color: #c00000;"));
    notFound->hide();
    QToolButton *previous =
        toolButton(this, QStringLiteral("↑"), QStringLiteral("上一个 (Shift+F3)"));
    QToolButton *next = toolButton(this, QStringLiteral("↓"), QStringLiteral("下一个 (F3)"));
    QToolButton *shut = toolButton(this, QStringLiteral("✕"), QStringLiteral("关闭 (Esc)"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 2, 2);
    row->setSpacing(2);
    for (QWidget *w :
         std::initializer_list<QWidget *>{text, previous, next, matchCase, notFound, shut})
        row->addWidget(w);
    text->setMinimumWidth(fontMetrics().horizontalAdvance(QString(16, u'M')));
    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(shut, &QToolButton::clicked, this, &EditorBar::close);
    // Typing searches on from where the last match began, so it grows with the text.
    connect(text, &QLineEdit::textEdited, this, [this] { find(true, true); });
}

void FindBar::open() {
    if (editor->hasSelectedText() && !editor->selectedText().contains(u'\n'))
        text->setText(editor->selectedText());
    popUp();
    text->setFocus(Qt::ShortcutFocusReason);
    text->selectAll();
}

bool FindBar::findNext() {
    return find(true, false);
}

bool FindBar::findPrevious() {
    return find(false, true);
}

bool FindBar::find(bool forward, bool fromSelectionStart) {
    if (text->text().isEmpty()) {
        showFound(true);
        return false;
    }
    int line = -1, index = -1, lineTo = -1, indexTo = -1;
    if (fromSelectionStart) {
        editor->getSelection(&line, &index, &lineTo, &indexTo);
        if (line < 0)
            editor->getCursorPosition(&line, &index);
    }
    const bool found = editor->findFirst(text->text(), false, matchCase->isChecked(), false, true,
                                         forward, line, index);
    showFound(found);
    return found;
}

void FindBar::showFound(bool found) {
    notFound->setVisible(!found);
    text->setStyleSheet(found ? QString() : QStringLiteral("background: #ffe0e0;"));
}

bool FindBar::eventFilter(QObject *watched, QEvent *event) {
    if (watched == text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                findPrevious();
            else
                findNext();
            return true;
        }
    }
    return EditorBar::eventFilter(watched, event);
}

} // namespace qm
