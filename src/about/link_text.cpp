#include "about/link_text.h"

#include <QMouseEvent>

namespace qm {

LinkText::LinkText(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 0xcc));
    setPalette(p);
}

void LinkText::setUnderlined(bool underlined) {
    QFont f = font();
    if (f.underline() == underlined)
        return;
    f.setUnderline(underlined);
    setFont(f);
}

void LinkText::mouseMoveEvent(QMouseEvent *event) {
    setUnderlined(true);
    emit hovered();
    event->accept();
}

void LinkText::mousePressEvent(QMouseEvent *event) {
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkText::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click)
        emit activated();
}

} // namespace qm
