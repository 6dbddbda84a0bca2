#pragma once
// The push button every window uses: a caption, a caption colour, an enabled
// state and a click. Its look comes from the skin style sheet. It takes the
// keyboard focus by Tab, never by a click.

#include <QColor>
#include <QPushButton>

namespace qm {

class SkinButton : public QPushButton {
    Q_OBJECT
public:
    explicit SkinButton(const QString &caption, QWidget *parent = nullptr);

    void setCaption(const QString &caption) { setText(caption); }
    QString caption() const { return text(); }

    void setCaptionColor(const QColor &color);
    QColor captionColor() const { return color; }

private:
    QColor color = Qt::black;
};

} // namespace qm
