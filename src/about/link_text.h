#pragma once
// A piece of text that acts as a link: a pointing hand over it, underlined
// while hovered, and a click on the text activates it.

#include <QLabel>

namespace qm {

class LinkText : public QLabel {
    Q_OBJECT
public:
    LinkText(const QString &text, QWidget *parent);

    void setUnderlined(bool underlined);
    bool isUnderlined() const { return font().underline(); }

signals:
    void hovered();
    void activated();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};

} // namespace qm
