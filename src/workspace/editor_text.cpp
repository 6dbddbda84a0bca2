#include "workspace/editor_text.h"

#include <Qsci/qsciscintilla.h>

namespace qm {

QByteArrayView editorView(QsciScintilla *editor) {
    const auto *bytes = static_cast<const char *>(
        editor->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    const auto length = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    return QByteArrayView(bytes, length);
}

QByteArray editorBytes(QsciScintilla *editor) {
    return editorView(editor).toByteArray();
}

void loadEditorText(QsciScintilla *editor, const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    editor->SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    editor->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT,
                          static_cast<unsigned long>(utf8.size()), utf8.constData());
    editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
}

void cutEditorFrom(QsciScintilla *editor, qsizetype position) {
    const auto length = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    if (position < length)
        editor->SendScintilla(QsciScintillaBase::SCI_DELETERANGE,
                              static_cast<unsigned long>(position), long(length - position));
}

} // namespace qm
