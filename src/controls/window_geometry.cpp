#include "controls/window_geometry.h"

#include "controls/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace qm {

namespace {

QScreen *screenOf(const QWidget *widget) {
    QScreen *screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

// Title bar and border thickness when the window manager has not told us yet.
QSize estimatedFrame(const QWidget *window) {
    const QStyle *style = window->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {2 * border, title + 2 * border};
}

QSize frameOf(const QWidget *window) {
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    if (window->isVisible() && (frame.width() > 0 || frame.height() > 0))
        return frame;
    return window->isVisible() ? QSize(0, 0) : estimatedFrame(window);
}

void applyOuterSize(QWidget *window, QSize outerPx, QSize minimumClient) {
    const QSize client =
        (outerPx - frameOf(window)).expandedTo(minimumClient).expandedTo(QSize(1, 1));
    window->setFixedSize(client);
}

} // namespace

double widgetTwipsPerPixel(const QWidget *widget) {
    const QScreen *screen = screenOf(widget);
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

QSizeF screenSizeTwips(const QWidget *widget) {
    const QScreen *screen = screenOf(widget);
    const double tpp = widgetTwipsPerPixel(widget);
    const QSize px = screen ? screen->geometry().size() : QSize(1440, 900);
    return {px.width() * tpp, px.height() * tpp};
}

void placeTwips(QWidget *control, const QRectF &r) {
    const double tpp = widgetTwipsPerPixel(control);
    const int left = twipsToPixels(r.left(), tpp);
    const int top = twipsToPixels(r.top(), tpp);
    control->setGeometry(left, top, twipsToPixels(r.left() + r.width(), tpp) - left,
                         twipsToPixels(r.top() + r.height(), tpp) - top);
}

void sizeAndPlaceWindow(QWidget *window, QSizeF outerTwips, QSizeF minimumClientTwips) {
    const double tpp = widgetTwipsPerPixel(window);
    const QSize outerPx(twipsToPixels(outerTwips.width(), tpp),
                        twipsToPixels(outerTwips.height(), tpp));
    const QSize minimumClient(twipsToPixels(minimumClientTwips.width(), tpp),
                              twipsToPixels(minimumClientTwips.height(), tpp));
    applyOuterSize(window, outerPx, minimumClient);
    const QPointF at = placementTwips(screenSizeTwips(window), outerTwips);
    const QPoint atPx(twipsToPixels(at.x(), tpp), twipsToPixels(at.y(), tpp));
    window->move(atPx);
    // Once framed, correct the client size so the outer size is exact.
    QTimer::singleShot(0, window, [window, outerPx, minimumClient, atPx] {
        if (!window->isVisible())
            return;
        applyOuterSize(window, outerPx, minimumClient);
        window->move(atPx);
    });
}

} // namespace qm
