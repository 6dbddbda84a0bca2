#pragma once
// Applying twips geometry to real windows and controls.

#include "controls/twips_layout.h"

#include <QRectF>
#include <QSizeF>

class QWidget;

namespace qm {

// Twips per pixel of the screen the widget is on (or the primary screen).
double widgetTwipsPerPixel(const QWidget *widget);

// The whole screen's size in twips.
QSizeF screenSizeTwips(const QWidget *widget);

// Puts a control at a twips rectangle inside its parent.
void placeTwips(QWidget *control, const QRectF &twips);

// Puts every control of a form where the layout says; `form[c]` is the
// control for each key `c`.
template <typename Control, typename Form>
void placeControls(const Form &form, const TwipsLayout<Control> &layout) {
    for (const Control c : allOf<Control>())
        placeTwips(form[c], layout[c]);
}

// Fixes a window's outer size (frame included) to the given twips and places
// it centred with one third of the free height above it. The frame is only
// known once the window manager has framed the window, so size and place
// are set again then (and once the window shows, for a window without a
// manager's frame). The client area never gets
// smaller than `minimumClientTwips`, so a window manager with a thicker
// frame than the layout allows for cannot clip the lowest controls.
void sizeAndPlaceWindow(QWidget *window, QSizeF outerTwips, QSizeF minimumClientTwips = {});

} // namespace qm
