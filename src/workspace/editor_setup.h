#pragma once
// Editing as a learner expects it: indentation of four spaces kept on a new
// line and one level deeper after "{", a "}" typed at the start of a line
// dedenting, matching braces lit, the current line shaded, line numbers wide
// enough for the text at any zoom, and Ctrl+Tab / Ctrl+Shift+Tab leaving the
// editor in the window's focus order (Tab itself indents).

class QsciScintilla;

namespace qm {

void setUpEditing(QsciScintilla *editor);

// The start of the text in view, caret at its first character.
void showTextStart(QsciScintilla *editor);

} // namespace qm
