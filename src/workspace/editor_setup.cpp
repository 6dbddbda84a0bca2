#include "workspace/editor_setup.h"

#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {

constexpr int kIndent = 4;
constexpr int kNumberMargin = 0;

// The next (or previous) control that Tab would reach, wrapping round.
QWidget *focusNeighbour(QWidget *from, bool forward) {
    QWidget *w = from;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(from->window()) && w->isEnabled() &&
            w->window() == from->window())
            return w;
    } while (w != from);
    return nullptr;
}

// Indenting reads the lexer's styles of the lines above, which are only
// made when the text is painted: a fast typist's Enter can come first.
void styleUpToCaret(QsciScintilla *editor) {
    const long caret = editor->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long line = editor->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, caret);
    const long end = editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
    const long styled = editor->SendScintilla(QsciScintilla::SCI_GETENDSTYLED);
    if (styled < end)
        editor->SendScintilla(QsciScintilla::SCI_COLOURISE, styled, end);
}

bool indentsOnKey(const QKeyEvent *key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
           key->text() == QLatin1String("}") || key->text() == QLatin1String("{");
}

class EditorKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (indentsOnKey(key))
            styleUpToCaret(static_cast<QsciScintilla *>(watched));
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || !(key->modifiers() & Qt::ControlModifier))
            return false;
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        auto *editor = static_cast<QWidget *>(watched);
        if (QWidget *next = focusNeighbour(editor, !back))
            next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
};

// Room for the longest line number and a digit to spare, in the zoomed font.
void fitNumberMargin(QsciScintilla *editor) {
    const int digits = qMax(4, int(QString::number(editor->lines()).size()) + 1);
    editor->setMarginWidth(kNumberMargin, QString(digits, u'0'));
}

} // namespace

void setUpEditing(QsciScintilla *editor) {
    editor->setIndentationsUseTabs(false);
    editor->setIndentationWidth(kIndent);
    editor->setTabWidth(kIndent);
    editor->setTabIndents(true);
    editor->setBackspaceUnindents(true);
    editor->setAutoIndent(true);
    editor->setBraceMatching(QsciScintilla::SloppyBraceMatch);
    editor->setMatchedBraceBackgroundColor(QColor(200, 230, 255));
    editor->setUnmatchedBraceForegroundColor(QColor(220, 0, 0));
    editor->setCaretLineVisible(true);
    editor->setCaretLineBackgroundColor(QColor(240, 246, 255));
    editor->installEventFilter(new EditorKeys(editor));
    fitNumberMargin(editor);
    QObject::connect(editor, &QsciScintilla::linesChanged, editor,
                     [editor] { fitNumberMargin(editor); });
    QObject::connect(editor, &QsciScintilla::SCN_ZOOM, editor,
                     [editor] { fitNumberMargin(editor); });
}

void showTextStart(QsciScintilla *editor) {
    editor->setCursorPosition(0, 0);
    editor->SendScintilla(QsciScintilla::SCI_SETXOFFSET, 0L);
    editor->setFirstVisibleLine(0);
}

} // namespace qm
