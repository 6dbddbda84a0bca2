#include "controls/skin_button.h"

namespace qm {

SkinButton::SkinButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {
    // As a toolbar button: reached with Tab, but a click leaves the focus
    // where the user works, so Ctrl+Z after 保存 still reaches the editor.
    setFocusPolicy(Qt::TabFocus);
    setCaptionColor(Qt::black);
}

void SkinButton::setCaptionColor(const QColor &captionColor) {
    color = captionColor;
    // A widget's own style sheet wins over the skin's, so the caption colour
    // survives any restyling; disabled buttons still read as disabled.
    setStyleSheet(
        QStringLiteral("QPushButton { color: %1; } QPushButton:disabled { color: #8c8c8c; }")
            .arg(color.name()));
}

} // namespace qm
