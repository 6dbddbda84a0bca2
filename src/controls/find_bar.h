#pragma once
// Ctrl+F: finds a text in the editor, forward with Enter or F3, backward with
// Shift+Enter or Shift+F3, wrapping round, as typed or with 区分大小写.

#include "controls/editor_bar.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qm {

class FindBar : public EditorBar {
    Q_OBJECT
public:
    FindBar(QsciScintilla *editor, QWidget *parent);

    // Shows the bar with the field selected, holding the editor's selection
    // when there is one.
    void open();
    // False when the text is nowhere in the editor (the field then says so).
    bool findNext();
    bool findPrevious();

    QLineEdit *field() const { return text; }
    QCheckBox *caseBox() const { return matchCase; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool find(bool forward, bool fromSelectionStart);
    void showFound(bool found);

    QLineEdit *text = nullptr;
    QCheckBox *matchCase = nullptr;
    QLabel *notFound = nullptr;
};

} // namespace qm
