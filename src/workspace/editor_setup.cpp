#include "workspace/editor_setup.h"

#include <QAccessible>
#include <QKeyEvent>
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {

constexpr int kIndent = 4;

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
        editor->SendScintilla(QsciScintilla::SCI_COLOURISE, static_cast<unsigned long>(styled),
                              end);
}

bool indentsOnKey(const QKeyEvent *key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
           key->text() == QLatin1String("}") || key->text() == QLatin1String("{");
}

// A typed character that only inserts itself at a lone caret, with nothing
// that would change more text (indentation, overtype, a selection).
bool plainInsertion(QsciScintilla *editor, const QKeyEvent *key) {
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint() || text[0].isSurrogate() || indentsOnKey(key) ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    return !editor->isReadOnly() && !editor->hasSelectedText() && !editor->overwriteMode() &&
           editor->SendScintilla(QsciScintilla::SCI_GETSELECTIONS) == 1 && !editor->isListActive();
}

// QScintilla tells its accessibility bridge of every insertion, and the
// bridge counts the characters from the start of the text to the insertion
// on each one, whether or not any assistive technology listens: 5 ms a key
// at the end of a 20,000-line text. While none is active, a plain typed
// character is inserted with the editor's change notices held back, and the
// one notice it would have sent is given to the editor's listeners directly.
bool typeQuietly(QsciScintilla *editor, QKeyEvent *key) {
    if (QAccessible::isActive() || !plainInsertion(editor, key))
        return false;
    const long at = editor->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long lengthBefore = editor->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const QByteArray bytes = key->text().toUtf8();
    const long mask = editor->SendScintilla(QsciScintilla::SCI_GETMODEVENTMASK);
    editor->SendScintilla(QsciScintilla::SCI_SETMODEVENTMASK, 0L);
    static_cast<QObject *>(editor)->event(key); // the editor's own key handling, past this filter
    editor->SendScintilla(QsciScintilla::SCI_SETMODEVENTMASK, mask);
    if (editor->SendScintilla(QsciScintilla::SCI_GETLENGTH) == lengthBefore + bytes.size())
        emit editor->SCN_MODIFIED(
            int(at), QsciScintilla::SC_MOD_INSERTTEXT | QsciScintilla::SC_PERFORMED_USER,
            bytes.constData(), int(bytes.size()), 0, 0, 0, 0, 0, 0);
    return true;
}

class EditorKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *editor = static_cast<QsciScintilla *>(watched);
        if (typeQuietly(editor, key))
            return true;
        if (indentsOnKey(key))
            styleUpToCaret(editor);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || !(key->modifiers() & Qt::ControlModifier))
            return false;
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        if (QWidget *next = focusNeighbour(editor, !back))
            next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
};

int numberWidth(QsciScintilla *editor, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    return int(editor->SendScintilla(QsciScintilla::SCI_TEXTWIDTH, QsciScintilla::STYLE_LINENUMBER,
                                     bytes.constData()));
}

// Every column the margins take is one the text lacks in a window of fixed
// size: the numbers get room for the line count (two digits at least, so
// the text does not shift at the tenth line) and half a digit on each side,
// javac's marks a digit's width, all in the zoomed font.
void fitMargins(QsciScintilla *editor) {
    const int digits = qMax(2, int(QString::number(editor->lines()).size()));
    const int digit = numberWidth(editor, QStringLiteral("9"));
    editor->setMarginWidth(kNumberMargin, numberWidth(editor, QString(digits, u'9')) + digit);
    editor->setMarginWidth(kMarkMargin, digit + 1);
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
    editor->setMarginType(kNumberMargin, QsciScintilla::NumberMargin);
    editor->setMarginLineNumbers(kNumberMargin, true);
    fitMargins(editor);
    QObject::connect(editor, &QsciScintilla::linesChanged, editor,
                     [editor] { fitMargins(editor); });
    QObject::connect(editor, &QsciScintilla::SCN_ZOOM, editor, [editor] { fitMargins(editor); });
}

void setEditorFont(QsciScintilla *editor, const QFont &font) {
    if (QsciLexer *lexer = editor->lexer()) {
        lexer->setDefaultFont(font);
        lexer->setFont(font); // every style; the editor follows the lexer's signal
    }
    // QsciScintilla's own setFont does nothing once there is a lexer; the
    // widget's font is what the annotations take (DiagnosticMarks).
    static_cast<QWidget *>(editor)->setFont(font);
    editor->setMarginsFont(font);
    fitMargins(editor);
}

void showTextStart(QsciScintilla *editor) {
    editor->setCursorPosition(0, 0);
    editor->SendScintilla(QsciScintilla::SCI_SETXOFFSET, 0L);
    editor->setFirstVisibleLine(0);
}

} // namespace qm
