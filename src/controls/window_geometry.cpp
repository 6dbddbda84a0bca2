#include "controls/window_geometry.h"

#include "controls/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
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

// The frame's edges: the window manager's once it has framed the window,
// none for a shown window without a frame (no manager), and an estimate
// (borders, a title bar) before the window shows.
QMargins frameEdges(const QWidget *window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    const QMargins edges(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (window->isVisible() || !edges.isNull())
        return edges;
    const QStyle *style = window->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {border, title + border, border, border};
}

// Sizes the client so that client and frame make `outerPx`, and puts the
// frame's corner at `corner`. The client's place is what is asked for: a
// manager keeps a client where it is asked to be, while a frame's corner
// would be read against a frame it may not have drawn yet.
void applyGeometry(QWidget *window, QSize outerPx, QSize minimumClient, QPoint corner) {
    const QMargins edges = frameEdges(window);
    const QSize frame(edges.left() + edges.right(), edges.top() + edges.bottom());
    const QSize client = (outerPx - frame).expandedTo(minimumClient).expandedTo(QSize(1, 1));
    window->setFixedSize(client);
    window->setGeometry(QRect(corner + QPoint(edges.left(), edges.top()), client));
}

// A window manager frames a window some time after it is shown, and the
// frame is known only then: the first time the window moves, resizes or is
// activated with a frame, its size and place are set once more for that
// frame. A move the user makes later is theirs: the watch ends then, or a
// few seconds after the window showed.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget *window, QSize outer, QSize minimumClient, QPoint at)
        : QObject(window), outerPx(outer), minimum(minimumClient), corner(at) {
        window->installEventFilter(this);
        QTimer::singleShot(kWatchMs, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::WindowActivate)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (!window->isVisible() || frameEdges(window).isNull())
            return false;
        window->removeEventFilter(this);
        applyGeometry(window, outerPx, minimum, corner);
        deleteLater();
        return false;
    }

private:
    static constexpr int kWatchMs = 5000;
    QSize outerPx;
    QSize minimum;
    QPoint corner;
};

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
    const QPointF at = placementTwips(screenSizeTwips(window), outerTwips);
    const QPoint atPx(twipsToPixels(at.x(), tpp), twipsToPixels(at.y(), tpp));
    applyGeometry(window, outerPx, minimumClient, atPx);
    // Once shown, the estimate of the frame gives way to the frame there is:
    // none without a window manager, the real one once a manager framed it.
    QTimer::singleShot(0, window, [window, outerPx, minimumClient, atPx] {
        if (window->isVisible())
            applyGeometry(window, outerPx, minimumClient, atPx);
    });
    new FrameWatch(window, outerPx, minimumClient, atPx);
}

} // namespace qm
