#include "startup/controls/up_down.h"

#include "settings/value_number.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
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
