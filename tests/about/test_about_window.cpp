#include "about/about_info.h"
#include "about/about_window.h"
#include "about/link_text.h"
#include "controls/skin_button.h"
#include "controls/twips.h"
#include "controls/window_geometry.h"
#include "widget_lookup.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace qm;
using qm::testing::child;

namespace {

bool underlined(QWidget &window, const char *name) {
    return child<LinkText>(window, name)->isUnderlined();
}

// A point of `target` in the window's coordinates, for moves through the window.
QPoint inWindow(QWidget &window, QWidget *target, QPoint local) {
    return target->mapTo(&window, local);
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT
private slots:
    void init() {
        state = ProgramState{};
        opened.clear();
    }

    void geometry_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("0") << 0 << 3250;
        QTest::newRow("300") << 300 << 3550;
        QTest::newRow("-500") << -500 << 2750;
    }

    void geometry() {
        QFETCH(int, mode);
        QFETCH(int, heightTwips);
        state.settings.Mode = qint16(mode);
        QRect first;
        for (int opening = 0; opening < 2; ++opening) {
            Frm_about w(state, nullptr, opener());
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCoreApplication::processEvents();
            const double tpp = widgetTwipsPerPixel(&w);
            const double frameTwips = child<QFrame>(w, "Fra_inform")->width() * tpp;
            const QRect outer = w.frameGeometry();
            QVERIFY(qAbs(outer.width() - twipsToPixels(frameTwips + 320, tpp)) <= 1);
            QCOMPARE(outer.height(), twipsToPixels(heightTwips, tpp));
            const QSize screen = w.screen()->geometry().size();
            const int left = outer.left();
            const int right = screen.width() - outer.right() - 1;
            const int below = screen.height() - outer.bottom() - 1;
            QVERIFY(qAbs(left - right) <= 1);
            QVERIFY(qAbs(2 * outer.top() - below) <= 2);
            // Every control lies inside the window.
            for (QWidget *control : w.findChildren<QWidget *>()) {
                const QRect r(control->mapTo(&w, QPoint(0, 0)), control->size());
                QVERIFY2(w.rect().contains(r) || mode < 0, qPrintable(control->objectName()));
            }
            if (opening == 0)
                first = outer;
            else
                QCOMPARE(outer, first);
        }
    }

    void captions() {
        Frm_about w(state, nullptr, opener());
        QCOMPARE(w.windowTitle(), QStringLiteral("关于"));
        QCOMPARE(child<QLabel>(w, "Image1")->pixmap().size(), QSize(330, 40));
        QCOMPARE(child<QLabel>(w, "Txt_email")->text(), about::kEmail.toString());
    }

    // Moves: "link:<name>", "frame", "background"; then the links left underlined.
    void hoverUnderlines_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QStringList>("underlinedAfter");
        QTest::newRow("one link") << QStringList{"link:Txt_homepage"}
                                  << QStringList{"Txt_homepage"};
        QTest::newRow("link to link") << QStringList{"link:Txt_homepage", "link:Txt_email"}
                                      << QStringList{"Txt_homepage", "Txt_email"};
        QTest::newRow("frame clears all")
            << QStringList{"link:Txt_homepage", "link:Txt_update", "link:Txt_email", "frame"}
            << QStringList{};
        QTest::newRow("background clears all")
            << QStringList{"link:Txt_update", "link:Txt_email", "background"} << QStringList{};
        QTest::newRow("hover again after clearing")
            << QStringList{"link:Txt_update", "frame", "link:Txt_homepage"}
            << QStringList{"Txt_homepage"};
    }

    void hoverUnderlines() {
        QFETCH(QStringList, moves);
        QFETCH(QStringList, underlinedAfter);
        Frm_about w(state, nullptr, opener());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        auto *frame = child<QFrame>(w, "Fra_inform");
        // Start from a corner: a move to where the last case ended would be dropped.
        QTest::mouseMove(w.windowHandle(), QPoint(1, 1));
        for (const QString &move : moves) {
            QPoint at;
            if (move.startsWith(QLatin1String("link:"))) {
                auto *link = child<LinkText>(w, move.mid(5).toLatin1().constData());
                at = inWindow(w, link, link->rect().center());
                QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            } else if (move == QLatin1String("frame")) {
                at = inWindow(w, frame, QPoint(frame->width() - 4, frame->height() - 4));
            } else {
                at = QPoint(w.width() / 2, w.height() - 3);
            }
            QTest::mouseMove(w.windowHandle(), at);
            QCoreApplication::processEvents();
        }
        for (const char *name : {"Txt_homepage", "Txt_update", "Txt_email"})
            QVERIFY2(underlined(w, name) == underlinedAfter.contains(QLatin1String(name)), name);
    }

    void linkClickOpensTarget_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("target");
        QTest::newRow("home page") << "Txt_homepage" << QUrl(about::kHomePage.toString());
        QTest::newRow("update page") << "Txt_update" << QUrl(about::kUpdatePage.toString());
        QTest::newRow("mail") << "Txt_email"
                              << QUrl(QStringLiteral("mailto:") + about::kEmail.toString());
    }

    void linkClickOpensTarget() {
        QFETCH(QString, link);
        QFETCH(QUrl, target);
        Frm_about w(state, nullptr, opener());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(child<LinkText>(w, link.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{target});
        QCOMPARE(target.scheme(), link == QLatin1String("Txt_email") ? "mailto" : "https");
    }

    void pressWithoutReleaseOnLinkOpensNothing() {
        Frm_about w(state, nullptr, opener());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *link = child<LinkText>(w, "Txt_update");
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, 2));
        QVERIFY(opened.isEmpty());
    }

    void closeButtonCloses() {
        Frm_about w(state, nullptr, opener());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(child<SkinButton>(w, "Cmd_close1"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(opened.isEmpty());
    }

private:
    ProgramState state;
    QList<QUrl> opened;
    Frm_about::UrlOpener opener() {
        return [this](const QUrl &url) { opened.append(url); };
    }
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
