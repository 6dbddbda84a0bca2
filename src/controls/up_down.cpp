#include "controls/up_down.h"

#include "settings/value_number.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace qm {

UpDown::UpDown(QWidget *parent) : QWidget(parent) {
    upButton = new QToolButton(this);
    downButton = new QToolButton(this);
    upButton->setArrowType(Qt::UpArrow);
    downButton->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {upButton, downButton}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(upButton);
    column->addWidget(downButton);
    connect(upButton, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(downButton, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::attach(QLineEdit *field) {
    if (buddy)
        buddy->removeEventFilter(this);
    buddy = field;
    if (buddy)
        buddy->installEventFilter(this);
}

bool UpDown::eventFilter(QObject *watched, QEvent *event) {
    if (watched != buddy)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    if (event->type() == QEvent::Wheel)
        return wheel(static_cast<QWheelEvent *>(event));
    return false;
}

void UpDown::wheelEvent(QWheelEvent *event) {
    if (!wheel(event))
        QWidget::wheelEvent(event);
}

// One step per notch (120 eighths of a degree), up for a turn away from the user.
bool UpDown::wheel(QWheelEvent *event) {
    const int turned = event->angleDelta().y();
    if (turned == 0)
        return false;
    wheelTurned += turned;
    while (qAbs(wheelTurned) >= 120) {
        const int direction = wheelTurned > 0 ? 1 : -1;
        step(direction);
        wheelTurned -= direction * 120;
    }
    event->accept();
    return true;
}

void UpDown::setRange(int low, int high) {
    minimum = low;
    maximum = high;
}

void UpDown::step(int delta) {
    if (!buddy)
        return;
    const double current = roundHalfEven(numberOfValue(buddy->text()));
    const double clamped = std::clamp(current, double(minimum), double(maximum));
    const int next = std::clamp(int(clamped) + delta, minimum, maximum);
    buddy->setText(QString::number(next));
}

} // namespace qm
