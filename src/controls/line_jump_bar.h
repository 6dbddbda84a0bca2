#pragma once
// Ctrl+G: moves the caret to the start of a line given by its number.

#include "controls/editor_bar.h"

class QLabel;
class QLineEdit;

namespace qm {

class LineJumpBar : public EditorBar {
    Q_OBJECT
public:
    LineJumpBar(QsciScintilla *editor, QWidget *parent);

    void open();
    // Goes to line `number` (from 1), kept within the text's lines.
    void jumpTo(int number);

    QLineEdit *field() const { return number; }

private:
    QLineEdit *number = nullptr;
    QLabel *range = nullptr;
};

} // namespace qm
