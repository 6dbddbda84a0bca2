#include "startup/up_down.h"

#include "settings/value_number.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qm {

UpDown::UpDown(QWidget *parent) : QWidget(parent) {
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_up);
    column->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setRange(int minimum, int maximum) {
    m_min = minimum;
    m_max = maximum;
}

void UpDown::step(int delta) {
    if (!m_buddy)
        return;
    const double current = roundHalfEven(numberOfValue(m_buddy->text()));
    const double clamped = std::clamp(current, double(m_min), double(m_max));
    const int next = std::clamp(int(clamped) + delta, m_min, m_max);
    m_buddy->setText(QString::number(next));
}

} // namespace qm
