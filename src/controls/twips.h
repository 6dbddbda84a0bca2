#pragma once
// Window geometry is worked out in twips (1/1440 inch) and turned into pixels
// only when it is applied: 15 twips per pixel at 96 dpi.

#include <QPointF>
#include <QSizeF>
#include <cmath>

namespace qm {

inline double twipsPerPixel(double logicalDpi) {
    return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
}

inline int twipsToPixels(double twips, double perPixel) {
    return static_cast<int>(std::lround(twips / perPixel));
}

// Windows stand centred horizontally with one third of the free height above them.
inline QPointF placementTwips(QSizeF screen, QSizeF window) {
    return {(screen.width() - window.width()) / 2.0, (screen.height() - window.height()) / 3.0};
}

} // namespace qm
