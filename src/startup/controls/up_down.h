#pragma once
// An up-down spinner attached to a text field: each arrow click steps the
// number in the field by one within the range and writes it back as text.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace qm {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    void attach(QLineEdit *field) { buddy = field; }
    void setRange(int low, int high);

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

private:
    void step(int delta);

    QLineEdit *buddy = nullptr;
    QToolButton *upButton = nullptr;
    QToolButton *downButton = nullptr;
    int minimum = 0;
    int maximum = 0;
};

} // namespace qm
