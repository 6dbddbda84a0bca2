#pragma once
// The editor's whole document as bytes: the one way the program reads what
// the learner typed, for the scan, the build and a save. QScintilla's own
// text()/setText() stop at the first NUL character; these do not.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QsciScintilla;

namespace qm {

// The document's UTF-8 bytes, all of them, read in place: valid until the
// next change of the document.
QByteArrayView editorView(QsciScintilla *editor);

// The same bytes, copied.
QByteArray editorBytes(QsciScintilla *editor);

// Replaces the document with `text`, NUL characters included, and starts a
// new undo history, as for a newly opened file. The caret goes to the start.
void loadEditorText(QsciScintilla *editor, const QString &text);

// Removes everything from byte `position` on as one step that Ctrl+Z undoes;
// earlier history, the caret (when it is before the cut) and the view stay.
void cutEditorFrom(QsciScintilla *editor, qsizetype position);

} // namespace qm
