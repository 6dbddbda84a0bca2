#include "settings/value_number.h"

#include <QtTest>

using namespace qm;

class TestValueNumber : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "120" << 120.0;
        QTest::newRow("negative") << "-120" << -120.0;
        QTest::newRow("explicit plus") << "+5" << 5.0;
        QTest::newRow("trailing text ignored") << "1x" << 1.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("fraction") << "1.5" << 1.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e2" << 100.0;
        QTest::newRow("D exponent") << "2D1" << 20.0;
        QTest::newRow("dangling exponent") << "1e" << 1.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower case") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
        QTest::newRow("tab inside digits skipped") << "1\t2" << 12.0;
        QTest::newRow("spaces skipped") << " 3 4" << 34.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("comma is not a decimal point") << "1,5" << 1.0;
        QTest::newRow("second point ends number") << "1.2.3" << 1.2;
    }

    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(numberOfValue(text), expected);
    }

    void halvesGoToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("2.4999") << 2.4999 << 2.0;
        QTest::newRow("2.5001") << 2.5001 << 3.0;
    }

    void halvesGoToEven() {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(roundHalfEven(value), expected);
    }

    void sixteenBitRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        QTest::newRow("upper bound") << "32767" << true << 32767;
        QTest::newRow("lower bound") << "-32768" << true << -32768;
        QTest::newRow("rounds above range") << "32767.5" << false << 0;
        QTest::newRow("above") << "40000" << false << 0;
        QTest::newRow("below") << "-32769" << false << 0;
        QTest::newRow("huge exponent") << "1e999" << false << 0;
        QTest::newRow("hex beyond") << "&H10000" << false << 0;
        QTest::newRow("rounded in range") << "1.5" << true << 2;
    }

    void sixteenBitRange() {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const auto n = settingNumber(text);
        QCOMPARE(n.has_value(), fits);
        if (fits)
            QCOMPARE(int(*n), expected);
    }
};

QTEST_GUILESS_MAIN(TestValueNumber)
#include "test_value_number.moc"
