#include "controls/skin_button.h"
#include "controls/twips.h"
#include "controls/up_down.h"
#include "controls/window_geometry.h"
#include "options/help_window.h"
#include "settings/settings_file.h"
#include "widget_lookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace qm;
using qm::testing::child;

namespace {

const QColor kGrey(0x80, 0x80, 0x80);

QColor captionOf(QWidget &window) {
    return child<SkinButton>(window, "Cmd_apply")->captionColor();
}

void clickApply(QWidget &window) {
    QTest::mouseClick(child<SkinButton>(window, "Cmd_apply"), Qt::LeftButton);
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(dir.isValid());
        state = ProgramState{};
        state.programDir = dir.path();
        state.settings.Path = QStringLiteral("/tmp/java");
        state.run.CompType = BuildKind::Applet;
    }

    // Each key's resulting field text, separated by "|".
    void typing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("afterEachKey");
        QTest::newRow("height 501") << "Txt_Height"
                                    << "501"
                                    << "5|50|";
        QTest::newRow("height -120") << "Txt_Height"
                                     << "-120"
                                     << "-|-1|-12|-120";
        QTest::newRow("height -501") << "Txt_Height"
                                     << "-501"
                                     << "-|-5|-50|";
        QTest::newRow("height 035") << "Txt_Height"
                                    << "035"
                                    << "0||5";
        QTest::newRow("height +5") << "Txt_Height"
                                   << "+5"
                                   << "|5";
        QTest::newRow("height 5-") << "Txt_Height"
                                   << "5-"
                                   << "5|";
        QTest::newRow("height --5") << "Txt_Height"
                                    << "--5"
                                    << "-||5";
        QTest::newRow("height 2.5") << "Txt_Height"
                                    << "2.5"
                                    << "2||5";
        QTest::newRow("height x") << "Txt_Height"
                                  << "x5"
                                  << "|5";
        QTest::newRow("applet 10000") << "Txt_apheight"
                                      << "10000"
                                      << "1|10|100|1000|";
        QTest::newRow("applet 0") << "Txt_apheight"
                                  << "0"
                                  << "";
        QTest::newRow("applet 0300") << "Txt_apwidth"
                                     << "0300"
                                     << "|3|30|300";
        QTest::newRow("applet 30a") << "Txt_apwidth"
                                    << "30a"
                                    << "3|30|";
        QTest::newRow("applet space") << "Txt_apheight"
                                      << " 30"
                                      << "|3|30";
        QTest::newRow("applet 1.50") << "Txt_apwidth"
                                     << "1.50"
                                     << "1||5|50";
        QTest::newRow("applet minus") << "Txt_apheight"
                                      << "-2"
                                      << "|2";
        QTest::newRow("applet 9999") << "Txt_apwidth"
                                     << "9999"
                                     << "9|99|999|9999";
    }

    void typing() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, afterEachKey);
        Frm_help w(state, nullptr);
        auto *edit = child<QLineEdit>(w, field.toLatin1().constData());
        edit->clear();
        const QStringList expected = afterEachKey.split(QLatin1Char('|'));
        QCOMPARE(expected.size(), keys.size());
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QTest::keyClicks(edit, keys.mid(i, 1));
            QVERIFY2(edit->text() == expected[i],
                     qPrintable(QStringLiteral("key %1: got \"%2\"").arg(i + 1).arg(edit->text())));
        }
    }

    void pastedAppletText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("keeps");
        QTest::newRow("300") << "300" << true;
        QTest::newRow("-20") << "-20" << true;
        if (QLocale::system().decimalPoint() == QLatin1String("."))
            QTest::newRow("1.5") << "1.5" << true;
        QTest::newRow("1.50") << "1.50" << false;
        QTest::newRow("10000") << "10000" << false;
        QTest::newRow("leading space") << " 30" << false;
    }

    void pastedAppletText() {
        QFETCH(QString, text);
        QFETCH(bool, keeps);
        Frm_help w(state, nullptr);
        for (const char *name : {"Txt_apheight", "Txt_apwidth"}) {
            auto *edit = child<QLineEdit>(w, name);
            edit->setText(text);
            QCOMPARE(edit->text(), keeps ? text : QString());
        }
    }

    void openingShowsStoredState_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("klass");
        QTest::addColumn<int>("compType");
        QTest::newRow("standard") << -120 << 1 << 0;
        QTest::newRow("applet") << 35 << 0 << 1;
    }

    void openingShowsStoredState() {
        QFETCH(int, mode);
        QFETCH(int, klass);
        QFETCH(int, compType);
        state.settings.Mode = qint16(mode);
        state.settings.Class = qint16(klass);
        state.run.CompType = BuildKind(compType);
        state.run.ApHeight = 123;
        state.run.ApWidth = 456;
        Frm_help w(state, nullptr);
        QCOMPARE(child<QLineEdit>(w, "Txt_Height")->text(), QString::number(mode));
        QCOMPARE(child<QCheckBox>(w, "Chk_class")->isChecked(), klass == 1);
        QCOMPARE(child<QComboBox>(w, "Com_option")->currentIndex(), compType);
        auto *apHeight = child<QLineEdit>(w, "Txt_apheight");
        auto *apWidth = child<QLineEdit>(w, "Txt_apwidth");
        QCOMPARE(apHeight->text(), QStringLiteral("200"));
        QCOMPARE(apWidth->text(), QStringLiteral("400"));
        QCOMPARE(apHeight->isEnabled(), compType == 1);
        QCOMPARE(apWidth->isEnabled(), compType == 1);
        QCOMPARE(captionOf(w), kGrey);

        // Applying untouched keeps the shown offset.
        clickApply(w);
        QCOMPARE(int(state.settings.Mode), mode);
        QCOMPARE(int(state.settings.Class), klass);
    }

    void editsTurnCaptionBlack_data() {
        QTest::addColumn<QString>("edit");
        QTest::newRow("check box") << "check";
        QTest::newRow("list") << "list";
        QTest::newRow("height restored") << "height";
        QTest::newRow("applet wiped") << "applet";
        QTest::newRow("spinner") << "spinner";
    }

    void editsTurnCaptionBlack() {
        QFETCH(QString, edit);
        Frm_help w(state, nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (edit == QLatin1String("check")) {
            QTest::mouseClick(child<QCheckBox>(w, "Chk_class"), Qt::LeftButton);
        } else if (edit == QLatin1String("list")) {
            auto *list = child<QComboBox>(w, "Com_option");
            list->setCurrentIndex(0);
            emit list->activated(0);
            QVERIFY(!child<QLineEdit>(w, "Txt_apheight")->isEnabled());
        } else if (edit == QLatin1String("height")) {
            // An edit that ends where it started still counts.
            QTest::keyClick(child<QLineEdit>(w, "Txt_Height"), Qt::Key_Backspace);
            QTest::keyClicks(child<QLineEdit>(w, "Txt_Height"), QStringLiteral("0"));
        } else if (edit == QLatin1String("applet")) {
            QTest::keyClicks(child<QLineEdit>(w, "Txt_apwidth"), QStringLiteral("x"));
        } else {
            child<UpDown>(w, "UD_turn")->stepUp();
        }
        QCOMPARE(captionOf(w), QColor(Qt::black));
        clickApply(w);
        QCOMPARE(captionOf(w), kGrey);
    }

    void loneMinusAppliesAsZero() {
        state.settings.Mode = 35;
        Frm_help w(state, nullptr);
        auto *height = child<QLineEdit>(w, "Txt_Height");
        height->clear();
        QTest::keyClicks(height, QStringLiteral("-"));
        QCOMPARE(height->text(), QStringLiteral("-"));
        clickApply(w);
        QCOMPARE(height->text(), QStringLiteral("0"));
        QCOMPARE(state.settings.Mode, qint16(0));
        QCOMPARE(loadSettings(dir.path()).settings.Mode, qint16(0));
    }

    void emptyAppletFieldsRestoreDefaults() {
        state.run.ApHeight = 10;
        state.run.ApWidth = 20;
        Frm_help w(state, nullptr);
        auto *apHeight = child<QLineEdit>(w, "Txt_apheight");
        auto *apWidth = child<QLineEdit>(w, "Txt_apwidth");
        apHeight->clear();
        apWidth->clear();
        clickApply(w);
        QCOMPARE(apHeight->text(), QStringLiteral("200"));
        QCOMPARE(apWidth->text(), QStringLiteral("400"));
        QCOMPARE(state.run.ApHeight, qint16(200));
        QCOMPARE(state.run.ApWidth, qint16(400));
    }

    void disabledAppletFieldsStillApply() {
        state.run.CompType = BuildKind::StandardProgram;
        Frm_help w(state, nullptr);
        auto *apWidth = child<QLineEdit>(w, "Txt_apwidth");
        QVERIFY(!apWidth->isEnabled());
        apWidth->setText(QStringLiteral("300"));
        clickApply(w);
        QCOMPARE(state.run.ApWidth, qint16(300));
        QCOMPARE(state.run.CompType, BuildKind::StandardProgram);
    }

    void reopeningShowsDefaultSizes() {
        {
            Frm_help w(state, nullptr);
            child<QLineEdit>(w, "Txt_apwidth")->setText(QStringLiteral("300"));
            clickApply(w);
        }
        QCOMPARE(state.run.ApWidth, qint16(300));
        Frm_help again(state, nullptr);
        QCOMPARE(child<QLineEdit>(again, "Txt_apwidth")->text(), QStringLiteral("400"));
        QCOMPARE(state.run.ApWidth, qint16(300));
        clickApply(again);
        QCOMPARE(state.run.ApWidth, qint16(400));
    }

    void unappliedCheckBoxIsLost() {
        {
            Frm_help w(state, nullptr);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QTest::mouseClick(child<QCheckBox>(w, "Chk_class"), Qt::LeftButton);
            QVERIFY(child<QCheckBox>(w, "Chk_class")->isChecked());
            w.reject();
        }
        QCOMPARE(state.settings.Class, qint16(0));
        Frm_help again(state, nullptr);
        auto *box = child<QCheckBox>(again, "Chk_class");
        QVERIFY(!box->isChecked());
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTest::mouseClick(box, Qt::LeftButton);
        clickApply(again);
        QCOMPARE(state.settings.Class, qint16(1));
        QCOMPARE(loadSettings(dir.path()).settings.Class, qint16(1));
    }

    void applyAlwaysRewritesFile() {
        state.settings = {1, -40, 1, QStringLiteral("/tmp/java")};
        const QString file = dir.filePath(QString::fromLatin1(kSettingsFileName));
        QFile::remove(file);
        Frm_help w(state, nullptr);
        clickApply(w);
        QVERIFY(QFile::exists(file));
        QCOMPARE(loadSettings(dir.path()).settings, state.settings);
        QFile::remove(file);
        clickApply(w);
        QVERIFY(QFile::exists(file));
    }

    void compTypeWaitsForApply() {
        state.run.CompType = BuildKind::StandardProgram;
        Frm_help w(state, nullptr);
        auto *list = child<QComboBox>(w, "Com_option");
        list->setCurrentIndex(1);
        emit list->activated(1);
        QVERIFY(child<QLineEdit>(w, "Txt_apheight")->isEnabled());
        QCOMPARE(state.run.CompType, BuildKind::StandardProgram);
        clickApply(w);
        QCOMPARE(state.run.CompType, BuildKind::Applet);
    }

    void spinnerStepsHeight() {
        state.settings.Mode = 499;
        Frm_help w(state, nullptr);
        auto *spinner = child<UpDown>(w, "UD_turn");
        spinner->stepUp();
        spinner->stepUp();
        QCOMPARE(child<QLineEdit>(w, "Txt_Height")->text(), QStringLiteral("500"));
        clickApply(w);
        QCOMPARE(state.settings.Mode, qint16(500));
    }

    void spinnerKeysAndWheel_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("input"); // u/d keys, w/W a notch away/towards, h half a notch
        QTest::addColumn<QString>("shown");
        QTest::newRow("up key") << 35 << "u"
                                << "36";
        QTest::newRow("down key") << 35 << "dd"
                                  << "33";
        QTest::newRow("wheel away") << 0 << "w"
                                    << "1";
        QTest::newRow("wheel towards") << 0 << "WW"
                                       << "-2";
        QTest::newRow("two half notches make one") << 0 << "h"
                                                   << "0";
        QTest::newRow("two half notches make one, both") << 0 << "hh"
                                                         << "1";
        QTest::newRow("stops at the top") << 499 << "uuw"
                                          << "500";
        QTest::newRow("stops at the bottom") << -500 << "dW"
                                             << "-500";
    }

    void spinnerKeysAndWheel() {
        QFETCH(int, mode);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        state.settings.Mode = qint16(mode);
        Frm_help w(state, nullptr);
        auto *height = child<QLineEdit>(w, "Txt_Height");
        for (const QChar c : input) {
            if (c == u'u' || c == u'd') {
                QTest::keyClick(height, c == u'u' ? Qt::Key_Up : Qt::Key_Down);
                continue;
            }
            const int delta = c == u'w' ? 120 : c == u'W' ? -120 : 60;
            QWheelEvent wheel(QPointF(5, 5), height->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(height, &wheel);
        }
        QCOMPARE(height->text(), shown);
    }

    void focusOrder() {
        Frm_help w(state, nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), child<QCheckBox>(w, "Chk_class"));
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, QStringList({"Txt_Height", "Com_option", "Txt_apheight", "Txt_apwidth",
                                    "Cmd_apply"}));
    }

    void helpText() {
        Frm_help w(state, nullptr);
        auto *text = child<QPlainTextEdit>(w, "Text1");
        const QString expected =
            QStringLiteral("目录：为保存Java源文件(.java)的目录，如D:\\MyJava，用户可自行设置。\n\n"
                           "文件：即(.java)源文件名，系统将根据代码中的主类(Class)名自动设置保存的"
                           "文件名。\n\n"
                           "编译+运行：编译当前编辑区的代码并运行，如需保存Java文件，必须点[保存]"
                           "按钮。\n\n"
                           "打开：打开一个已存在的Java文件，系统自动载入代码到编辑区。\n");
        QCOMPARE(text->toPlainText(), expected);
        QVERIFY(text->isReadOnly());
        // All four paragraphs show: nothing is left for a scroll bar that
        // only the mouse could reach.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(text->verticalScrollBar()->maximum(), 0);
        QVERIFY(!(text->focusPolicy() & Qt::TabFocus));
    }

    void geometry_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("-500") << -500 << 3259;
        QTest::newRow("0") << 0 << 3759;
        QTest::newRow("500") << 500 << 4259;
    }

    void geometry() {
        QFETCH(int, mode);
        QFETCH(int, heightTwips);
        state.settings.Mode = qint16(mode);
        Frm_help w(state, nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        const double tpp = widgetTwipsPerPixel(&w);
        // Offscreen windows have no frame: the outer size is the client size.
        const QSize outer = w.frameGeometry().size();
        QCOMPARE(outer, QSize(twipsToPixels(5950, tpp), twipsToPixels(heightTwips, tpp)));
        const QSize screen = w.screen()->geometry().size();
        const int left = w.frameGeometry().left();
        const int right = screen.width() - w.frameGeometry().right() - 1;
        const int above = w.frameGeometry().top();
        const int below = screen.height() - w.frameGeometry().bottom() - 1;
        QVERIFY2(qAbs(left - right) <= 1, qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
        QVERIFY2(qAbs(2 * above - below) <= 2,
                 qPrintable(QStringLiteral("%1 %2").arg(above).arg(below)));

        // The list belongs to the window; the other controls sit in the frame.
        auto *frame = child<QGroupBox>(w, "Fra_help");
        QCOMPARE(child<QComboBox>(w, "Com_option")->parentWidget(), static_cast<QWidget *>(&w));
        QCOMPARE(child<QLineEdit>(w, "Txt_Height")->parentWidget(), static_cast<QWidget *>(frame));
        QCOMPARE(child<QLineEdit>(w, "Txt_Height")->pos(),
                 QPoint(twipsToPixels(3150, tpp), twipsToPixels(2445, tpp)));
        qm::testing::verifyEveryKeyNamesItsControl<HelpControl>(w.form(), w);
    }

private:
    QTemporaryDir dir;
    ProgramState state;
};

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
