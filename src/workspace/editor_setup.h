#pragma once
// Editing as a learner expects it: indentation of four spaces kept on a new
// line and one level deeper after "{", a "}" typed at the start of a line
// dedenting, matching braces lit, the current line shaded, line numbers wide
// enough for the text at any zoom, and Ctrl+Tab / Ctrl+Shift+Tab leaving the
// editor in the window's focus order (Tab itself indents).

class QFont;
class QsciScintilla;

namespace qm {

// The editor's margins: line numbers, then javac's marks (DiagnosticMarks).
inline constexpr int kNumberMargin = 0;
inline constexpr int kMarkMargin = 1;

void setUpEditing(QsciScintilla *editor);

// One font for the text, every style of the lexer and the line numbers; the
// margins follow it.
void setEditorFont(QsciScintilla *editor, const QFont &font);

// The start of the text in view, caret at its first character.
void showTextStart(QsciScintilla *editor);

} // namespace qm
