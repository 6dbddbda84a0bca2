#pragma once
// An up-down spinner attached to a text field: each arrow click, Up or Down
// key in the field and notch of the mouse wheel over either steps the number
// in the field by one within the range and writes it back as text.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace qm {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    void attach(QLineEdit *field);
    void setRange(int low, int high);

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void step(int delta);
    bool wheel(QWheelEvent *event);

    QLineEdit *buddy = nullptr;
    QToolButton *upButton = nullptr;
    QToolButton *downButton = nullptr;
    int minimum = 0;
    int maximum = 0;
    int wheelTurned = 0; // eighths of a degree not yet stepped (touchpads send small turns)
};

} // namespace qm
