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

    void attach(QLineEdit *buddy) { m_buddy = buddy; }
    void setRange(int minimum, int maximum);

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

private:
    void step(int delta);

    QLineEdit *m_buddy = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    int m_min = -500;
    int m_max = 500;
};

} // namespace qm
