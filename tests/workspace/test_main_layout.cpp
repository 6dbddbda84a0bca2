#include "workspace/main_layout.h"

#include <QtTest>

using namespace qm;

namespace {

using enum MainControl;

// The window as designed; a few of its rectangles are checked literally below.
const MainLayout &design() {
    static const MainLayout geometry = designLayout();
    return geometry;
}

QSizeF pixels(int width, int height, double twipsPerPixel = 15) {
    return {width * twipsPerPixel, height * twipsPerPixel};
}

bool near(double a, double b) {
    return std::abs(a - b) < 0.05;
}

QByteArray describe(const QRectF &r) {
    return QByteArray::number(r.x()) + ", " + QByteArray::number(r.y()) + ", " +
           QByteArray::number(r.width()) + ", " + QByteArray::number(r.height());
}

} // namespace

class TestMainLayout : public QObject {
    Q_OBJECT
private slots:
    void designHoldsTheFormsValues() {
        QCOMPARE(design()[Cmd_save], QRectF(60, 120, 795, 435));
        QCOMPARE(design()[Txt_edit], QRectF(120, 240, 6975, 7755));
        QCOMPARE(design()[Fra_set], QRectF(60, 8760, 7215, 1155));
        QCOMPARE(design()[Txt_file], QRectF(600, 675, 2475, 315));
        QCOMPARE(design()[Cmd_end], QRectF(6480, 660, 615, 375));
    }

    void referenceScreenKeepsTheDesignButFour() {
        const MainLayout layout = ResizeInit(pixels(1440, 900), 0);
        QCOMPARE(layout.window, QSizeF(7420, 10350));

        MainLayout expected = design();
        expected[Cmd_open].moveLeft(3960);
        expected[Cmd_set].moveLeft(4740);
        expected[Txt_backname].moveLeft(3180);
        expected[Txt_file].setWidth(2595);
        for (const MainControl c : allOf<MainControl>()) {
            const QRectF got = layout[c];
            const QRectF want = expected[c];
            QVERIFY2(near(got.x(), want.x()) && near(got.y(), want.y()) &&
                         near(got.width(), want.width()) && near(got.height(), want.height()),
                     (QByteArray(controlName(c)) + ": " + describe(got)).constData());
        }
    }

    void screens_data() {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QSizeF>("editor");
        QTest::addColumn<double>("settingsTop");
        QTest::addColumn<double>("endLeft");
        QTest::addColumn<double>("endWidth");
        QTest::newRow("1440x900") << pixels(1440, 900) << QSizeF(7420, 10350) << QSizeF(6975, 7755)
                                  << 8760.0 << 6480.0 << 615.0;
        QTest::newRow("1024x768") << pixels(1024, 768) << QSizeF(6331.7, 8832)
                                  << QSizeF(5886.7, 6237) << 7242.0 << 5391.7 << 615.0;
        QTest::newRow("800x600") << pixels(800, 600) << QSizeF(4946.7, 8050) << QSizeF(4501.7, 4305)
                                 << 5310.0 << 4186.7 << 435.0;
        // The stretched row would not fit: its buttons stand packed at its right end.
        QTest::newRow("800x600 at 12 twips") << pixels(800, 600, 12) << QSizeF(3957.3, 5520)
                                             << QSizeF(3512.3, 2925) << 3930.0 << 3197.3 << 435.0;
    }

    void screens() {
        QFETCH(QSizeF, screen);
        QFETCH(QSizeF, window);
        QFETCH(QSizeF, editor);
        QFETCH(double, settingsTop);
        QFETCH(double, endLeft);
        QFETCH(double, endWidth);
        const MainLayout layout = ResizeInit(screen, 0);
        QVERIFY2(near(layout.window.width(), window.width()),
                 QByteArray::number(layout.window.width()).constData());
        QVERIFY2(near(layout.window.height(), window.height()),
                 QByteArray::number(layout.window.height()).constData());
        QVERIFY(near(layout[Txt_edit].width(), editor.width()));
        QVERIFY(near(layout[Txt_edit].height(), editor.height()));
        QVERIFY(near(layout[Fra_set].top(), settingsTop));
        QVERIFY(near(layout[Cmd_end].left(), endLeft));
        QVERIFY(near(layout[Cmd_end].width(), endWidth));
        // The strip along the top never moves.
        for (const MainControl c : {Cmd_save, Cmd_byyx, Cmd_about})
            QCOMPARE(layout[c], design()[c]);
        QCOMPARE(layout[Pic_sky].topLeft(), design()[Pic_sky].topLeft());
    }

    void smallScreenFileRow() {
        const MainLayout layout = ResizeInit(pixels(800, 600), 0);
        const double frame = layout[Fra_set].width();
        QVERIFY(near(frame, 4741.7));
        struct Expected {
            MainControl control;
            double left, width;
        };
        const Expected row[] = {{Txt_file, 600, 1096.7}, {Txt_backname, 1696.7, 705},
                                {Cmd_open, 2436.7, 435}, {Cmd_set, 2896.7, 795},
                                {Cmd_help, 3716.7, 435}, {Cmd_end, 4186.7, 435}};
        double previousRight = 0;
        for (const Expected &e : row) {
            const QRectF r = layout[e.control];
            QVERIFY2(near(r.left(), e.left) && near(r.width(), e.width),
                     (QByteArray(controlName(e.control)) + ": " + describe(r)).constData());
            QVERIFY2(r.left() >= previousRight - 0.05, controlName(e.control));
            previousRight = r.right();
        }
        QVERIFY(previousRight <= frame);
    }

    void smallScreenNeedsBothSidesAtFifteenTwips_data() {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<bool>("compacted");
        QTest::addColumn<bool>("narrowButtons");
        QTest::newRow("800x600 at 15") << pixels(800, 600) << true << true;
        QTest::newRow("800x600 at 12") << pixels(800, 600, 12) << false << true;
        QTest::newRow("800x600 at 20") << pixels(800, 600, 20) << false << false;
        QTest::newRow("1066x600 at 15") << pixels(1066, 600) << false << true;
        QTest::newRow("800x640 at 15") << pixels(800, 640) << false << true;
        QTest::newRow("one twip off") << QSizeF(12000, 9000.5) << false << true;
    }

    // Only 800 x 600 at 15 twips per pixel gets the taller window; any screen
    // whose file row would not fit gets the narrow buttons.
    void smallScreenNeedsBothSidesAtFifteenTwips() {
        QFETCH(QSizeF, screen);
        QFETCH(bool, compacted);
        QFETCH(bool, narrowButtons);
        const MainLayout layout = ResizeInit(screen, 0);
        const double scaledHeight = 10350 * screen.height() / 13500;
        QVERIFY(near(layout.window.height(), scaledHeight + (compacted ? 1150 : 0)));
        QCOMPARE(layout[Cmd_end].width(), narrowButtons ? 435.0 : 615.0);
        QCOMPARE(layout[Cmd_open].width(), narrowButtons ? 435.0 : 615.0);
    }

    // On every screen a learner may have, at any common system font size,
    // the file row reads left to right without overlaps inside its frame:
    // label, a field wide enough for a few letters, ".java", four buttons.
    void fileRowFitsItsFrame_data() {
        QTest::addColumn<QSizeF>("screen");
        QTest::newRow("1440x900") << pixels(1440, 900);
        QTest::newRow("1366x768") << pixels(1366, 768);
        QTest::newRow("1024x768") << pixels(1024, 768);
        QTest::newRow("800x600") << pixels(800, 600);
        QTest::newRow("1024x600 netbook") << pixels(1024, 600);
        QTest::newRow("640x480") << pixels(640, 480);
        QTest::newRow("800x600 at 120 dpi") << pixels(800, 600, 12);
        QTest::newRow("1440x900 at 144 dpi") << pixels(1440, 900, 10);
        QTest::newRow("1366x768 at 144 dpi") << pixels(1366, 768, 10);
    }

    void fileRowFitsItsFrame() {
        QFETCH(QSizeF, screen);
        const MainLayout layout = ResizeInit(screen, 0);
        double previousRight = layout[Lab_file].right();
        for (const MainControl c : {Txt_file, Txt_backname, Cmd_open, Cmd_set, Cmd_help, Cmd_end}) {
            const QRectF r = layout[c];
            // The design lets the suffix overlap the field's frame by a pixel.
            QVERIFY2(r.left() >= previousRight - 15.05, (controlName(c) + describe(r)).constData());
            previousRight = r.right();
        }
        QVERIFY2(layout[Txt_file].width() >= 400, describe(layout[Txt_file]).constData());
        QVERIFY(previousRight <= layout[Fra_set].width());
    }

    void fontScale_data() {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<double>("scale");
        QTest::newRow("reference 1440x900") << QSizeF(21600, 13500) << 1.0;
        QTest::newRow("larger screens keep the design") << QSizeF(28800, 16200) << 1.0;
        QTest::newRow("1024x768") << QSizeF(15360, 11520) << 11520 / 13500.0;
        QTest::newRow("800x600") << QSizeF(12000, 9000) << 9000 / 13500.0;
        QTest::newRow("1440x900 at 144 dpi") << QSizeF(14400, 9000) << 9000 / 13500.0;
        QTest::newRow("tiny screens stop at half") << QSizeF(4800, 3600) << 0.5;
    }

    void fontScale() {
        QFETCH(QSizeF, screen);
        QFETCH(double, scale);
        QCOMPARE(qm::fontScale(screen), scale);
    }

    void widthFollowsTheHeight() {
        const MainLayout wide = ResizeInit(pixels(1280, 720), 0);
        for (const QSizeF &other : {pixels(960, 720), pixels(1920, 720), pixels(640, 720)}) {
            const MainLayout layout = ResizeInit(other, 0);
            QCOMPARE(layout.window, wide.window);
            QCOMPARE(layout.controls, wide.controls);
        }
        QVERIFY(near(wide.window.height(), 8280));
        QVERIFY(near(wide.window.width(), 8280.0 * 7420 / 10350));
    }

    void modeChangesOnlyTheHeight_data() {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<int>("mode");
        for (int mode : {500, -500, 1}) {
            const QByteArray m = QByteArray::number(mode);
            QTest::newRow("1440x900 " + m) << pixels(1440, 900) << mode;
            QTest::newRow("800x600 " + m) << pixels(800, 600) << mode;
            QTest::newRow("1024x768 " + m) << pixels(1024, 768) << mode;
        }
    }

    void modeChangesOnlyTheHeight() {
        QFETCH(QSizeF, screen);
        QFETCH(int, mode);
        const MainLayout plain = ResizeInit(screen, 0);
        const MainLayout offset = ResizeInit(screen, mode);
        QCOMPARE(offset.window.width(), plain.window.width());
        QCOMPARE(offset.window.height(), plain.window.height() + mode);
        QCOMPARE(offset.controls, plain.controls);
    }

    void negativeSizesAreRefusedAndLaterStepsApply() {
        // 320 x 200 pixels: the editor's height would turn negative.
        const MainLayout layout = ResizeInit(pixels(320, 200), 0);
        const double dH = 10350.0 * 3000 / 13500 - 10350;
        QCOMPARE(layout[Txt_edit].height(), 7755.0);
        QVERIFY(near(layout[Fra_edit].height(), 8115 + dH));
        QVERIFY(near(layout[Fra_set].top(), 8760 + dH));
        for (const MainControl c : allOf<MainControl>())
            QVERIFY2(layout[c].width() >= 0 && layout[c].height() >= 0, controlName(c));
    }
};

QTEST_APPLESS_MAIN(TestMainLayout)
#include "test_main_layout.moc"
