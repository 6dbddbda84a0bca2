#pragma once
// A small bar that floats over the top right corner of an editor, such as
// the find bar and the go-to-line bar. Esc closes it and gives the editor
// its focus back.

#include <QFrame>

class QsciScintilla;

namespace qm {

class EditorBar : public QFrame {
    Q_OBJECT
public:
    EditorBar(QsciScintilla *editor, QWidget *parent);

    void close();

protected:
    // Puts the bar in place and shows it.
    void popUp();
    void keyPressEvent(QKeyEvent *event) override;

    QsciScintilla *editor;
};

} // namespace qm
