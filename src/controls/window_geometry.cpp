#include "controls/window_geometry.h"

#include "controls/twips.h"

#include <QEvent>
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

// A window manager frames a window some time after it is shown, and the
// frame is known only then: the first time the window moves, resizes or is
// activated with a frame, its size and place are set once more for that
// frame. A move the user makes later is theirs; the watch ends after the
// correction, or a few seconds after the window showed.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget *window, QSize outer, QSize minimumClient, QPoint at)
        : QObject(window), outerPx(outer), minimum(minimumClient), atPx(at) {
        window->installEventFilter(this);
        QTimer::singleShot(kWatchMs, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::WindowActivate)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        if (!window->isVisible() || (frame.width() <= 0 && frame.height() <= 0))
            return false;
        window->removeEventFilter(this);
        applyOuterSize(window, outerPx, minimum);
        window->move(atPx);
        deleteLater();
        return false;
    }

private:
    static constexpr int kWatchMs = 5000;
    QSize outerPx;
    QSize minimum;
    QPoint atPx;
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
    applyOuterSize(window, outerPx, minimumClient);
    const QPointF at = placementTwips(screenSizeTwips(window), outerTwips);
    const QPoint atPx(twipsToPixels(at.x(), tpp), twipsToPixels(at.y(), tpp));
    window->move(atPx);
    // Once shown, the estimate of the frame gives way to the frame there is:
    // none without a window manager, the real one once a manager framed it.
    QTimer::singleShot(0, window, [window, outerPx, minimumClient, atPx] {
        if (!window->isVisible())
            return;
        applyOuterSize(window, outerPx, minimumClient);
        window->move(atPx);
    });
    new FrameWatch(window, outerPx, minimumClient, atPx);
}

} // namespace qm
