// Where the main window stands under a window manager: its frame is known
// only once the manager has framed the window, and the window must still be
// exactly as large as designed, frame included, and placed centred with a
// third of the free height above it. Runs its own openbox in its own Xvfb.

#include "controls/twips.h"
#include "controls/window_geometry.h"
#include "requirements.h"
#include "temporary_home.h"
#include "wait_for.h"
#include "window_session.h"
#include "workspace/main_layout.h"
#include "xdotool.h"

#include <QProcess>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

class TestWindowPlaceE2e : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(missingDisplay());
        QM_REQUIRE(missingTools({"openbox", "xprop", "xwininfo"}));
        manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY(manager.waitForStarted());
        // The manager is there once it names its check window on the root.
        QVERIFY(waitFor(
            [] {
                return runTool(
                           QStringLiteral("xprop"),
                           {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                    .contains("window id");
            },
            std::chrono::seconds(10)));
    }

    void framedWindowKeepsItsSizeAndPlace() {
        WindowSession s(home.filePath("src"));
        QWidget *window = s.window.get();
        const double tpp = widgetTwipsPerPixel(window);
        const QSizeF screen = screenSizeTwips(window);
        const QSizeF outer = ResizeInit(screen, 0).window;
        const QPointF at = placementTwips(screen, outer);
        const QRect expected(twipsToPixels(at.x(), tpp), twipsToPixels(at.y(), tpp),
                             twipsToPixels(outer.width(), tpp), twipsToPixels(outer.height(), tpp));
        // Framed: the title bar lies above the client area.
        QTRY_VERIFY_WITH_TIMEOUT(window->geometry().top() > window->frameGeometry().top(), 5000);
        // The frame as the server has it: the client's place and size there
        // (xwininfo; xdotool counts a framed window's offset twice), grown
        // by the frame's edges.
        const auto onServer = [window] {
            QRect client;
            const QByteArray info =
                runTool(QStringLiteral("xwininfo"), {"-id", QString::number(window->winId())});
            for (QByteArray line : info.split('\n')) {
                line = line.trimmed();
                const int value = line.mid(line.indexOf(':') + 1).trimmed().toInt();
                if (line.startsWith("Absolute upper-left X:"))
                    client.moveLeft(value);
                if (line.startsWith("Absolute upper-left Y:"))
                    client.moveTop(value);
                if (line.startsWith("Width:"))
                    client.setWidth(value);
                if (line.startsWith("Height:"))
                    client.setHeight(value);
            }
            const QRect frame = window->frameGeometry(), inner = window->geometry();
            return client.adjusted(frame.left() - inner.left(), frame.top() - inner.top(),
                                   frame.right() - inner.right(), frame.bottom() - inner.bottom());
        };
        QTRY_COMPARE_WITH_TIMEOUT(onServer(), expected, 5000);
    }

    void cleanupTestCase() {
        manager.terminate();
        manager.waitForFinished(5000);
    }

private:
    TemporaryHome home;
    QProcess manager;
};

QTEST_MAIN(TestWindowPlaceE2e)
#include "test_window_place_e2e.moc"
