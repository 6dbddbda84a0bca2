#include "options/field_checks.h"
#include "settings/settings_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;

class TestFieldChecks : public QObject {
    Q_OBJECT
private slots:
    void appletText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("decimalPoint");
        QTest::addColumn<bool>("keeps");
        const QString dot = QStringLiteral(".");
        const QString comma = QStringLiteral(",");
        QTest::newRow("300") << "300" << dot << true;
        QTest::newRow("-20") << "-20" << dot << true;
        QTest::newRow("1.5 dot locale") << "1.5" << dot << true;
        QTest::newRow("0.5") << "0.5" << dot << true;
        QTest::newRow("9999") << "9999" << dot << true;
        QTest::newRow("far negative") << "-99999" << dot << true;
        QTest::newRow("1.5 comma locale") << "1.5" << comma << false;
        QTest::newRow("1,5 comma locale") << "1,5" << comma << false;
        QTest::newRow("lone 0") << "0" << dot << false;
        QTest::newRow("-0") << "-0" << dot << false;
        QTest::newRow("0300") << "0300" << dot << false;
        QTest::newRow("30a") << "30a" << dot << false;
        QTest::newRow("leading space") << " 30" << dot << false;
        QTest::newRow("trailing space") << "30 " << dot << false;
        QTest::newRow("1.50") << "1.50" << dot << false;
        QTest::newRow("1.") << "1." << dot << false;
        QTest::newRow(".5") << ".5" << dot << false;
        QTest::newRow("+5") << "+5" << dot << false;
        QTest::newRow("lone minus") << "-" << dot << false;
        QTest::newRow("10000") << "10000" << dot << false;
        QTest::newRow("9999.5") << "9999.5" << dot << false;
        QTest::newRow("exponent") << "1e3" << dot << false;
        QTest::newRow("hex") << "&H10" << dot << false;
        QTest::newRow("huge") << "1e999" << dot << false;
    }

    void appletText() {
        QFETCH(QString, text);
        QFETCH(QString, decimalPoint);
        QFETCH(bool, keeps);
        QCOMPARE(appletTextKeeps(text, decimalPoint), keeps);
    }

    void heightText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("offset");
        const int ok = HeightCheck::Accepted;
        const int wiped = HeightCheck::Wiped;
        QTest::newRow("0") << "0" << ok << 0;
        QTest::newRow("35") << "35" << ok << 35;
        QTest::newRow("-120") << "-120" << ok << -120;
        QTest::newRow("500") << "500" << ok << 500;
        QTest::newRow("-500") << "-500" << ok << -500;
        QTest::newRow("lone minus") << "-" << int(HeightCheck::Pending) << 0;
        QTest::newRow("empty") << "" << wiped << 0;
        QTest::newRow("035") << "035" << wiped << 0;
        QTest::newRow("+5") << "+5" << wiped << 0;
        QTest::newRow("5-") << "5-" << wiped << 0;
        QTest::newRow("--5") << "--5" << wiped << 0;
        QTest::newRow("-5-") << "-5-" << wiped << 0;
        QTest::newRow("-0") << "-0" << wiped << 0;
        QTest::newRow("2.5") << "2.5" << wiped << 0;
        QTest::newRow("501") << "501" << wiped << 0;
        QTest::newRow("-501") << "-501" << wiped << 0;
        QTest::newRow("word") << "abc" << wiped << 0;
        QTest::newRow("space") << " 5" << wiped << 0;
        QTest::newRow("exponent") << "1e2" << wiped << 0;
        QTest::newRow("beyond 16 bits") << "99999999999999999999" << wiped << 0;
        QTest::newRow("beyond double") << "-1e999" << wiped << 0;
    }

    void heightText() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(int, offset);
        const HeightCheck check = checkHeightText(text);
        QCOMPARE(int(check.kind), kind);
        if (check.kind != HeightCheck::Pending)
            QCOMPARE(int(check.pendingMode), offset);
    }

    void applyFallsBack_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shownHeight");
        QTest::addColumn<int>("apHeight");
        QTest::newRow("empty") << ""
                               << "200" << 200;
        QTest::newRow("below 16 bits") << "-32769"
                                       << "200" << 200;
        QTest::newRow("far below") << "-1e30"
                                   << "200" << 200;
        QTest::newRow("above 16 bits") << "32768"
                                       << "200" << 200;
        QTest::newRow("lowest 16 bits") << "-32768"
                                        << "-32768" << -32768;
        QTest::newRow("half to even down") << "2.5"
                                           << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5"
                                         << "3.5" << 4;
        QTest::newRow("plain") << "300"
                               << "300" << 300;
    }

    void applyFallsBack() {
        QFETCH(QString, text);
        QFETCH(QString, shownHeight);
        QFETCH(int, apHeight);
        QTemporaryDir dir;
        ProgramState state;
        state.programDir = dir.path();
        OptionsForm form;
        form.heightText = QStringLiteral("0");
        form.apHeightText = text;
        form.apWidthText = text;
        const OptionsForm shown = applyOptions(state, form);
        QCOMPARE(shown.apHeightText, shownHeight);
        QCOMPARE(int(state.run.ApHeight), apHeight);
        // The width falls back to its own default.
        if (shownHeight == QLatin1String("200")) {
            QCOMPARE(shown.apWidthText, QStringLiteral("400"));
            QCOMPARE(int(state.run.ApWidth), 400);
        }
    }

    void applyStoresAndWrites() {
        QTemporaryDir dir;
        ProgramState state;
        state.programDir = dir.path();
        state.settings = {1, 0, 0, QStringLiteral("/home/u/java")};
        OptionsForm form;
        form.heightText = QStringLiteral("-120");
        form.pendingMode = -120;
        form.pendingClass = 1;
        form.apHeightText = QStringLiteral("200");
        form.apWidthText = QStringLiteral("400");
        applyOptions(state, form);
        const Settings expected{1, -120, 1, QStringLiteral("/home/u/java")};
        QCOMPARE(state.settings, expected);
        QCOMPARE(loadSettings(dir.path()).settings, expected);

        // Nothing edited: the file is rewritten all the same.
        QVERIFY(QFile::remove(dir.filePath(QString::fromLatin1(kSettingsFileName))));
        applyOptions(state, form);
        QCOMPARE(loadSettings(dir.path()).settings, expected);
    }

    void applyCompType_data() {
        QTest::addColumn<QString>("listText");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("standard") << kStandardProgramText.toString() << 1 << 0;
        QTest::newRow("applet") << kAppletText.toString() << 0 << 1;
        QTest::newRow("nothing chosen") << "" << 1 << 1;
    }

    void applyCompType() {
        QFETCH(QString, listText);
        QFETCH(int, before);
        QFETCH(int, after);
        QTemporaryDir dir;
        ProgramState state;
        state.programDir = dir.path();
        state.run.CompType = BuildKind(before);
        OptionsForm form;
        form.compTypeText = listText;
        applyOptions(state, form);
        QCOMPARE(int(state.run.CompType), after);
    }

    void applyKeepsValuesWhenFileCannotBeWritten() {
        QTemporaryDir dir;
        ProgramState state;
        state.programDir = dir.filePath(QStringLiteral("missing/deeper"));
        OptionsForm form;
        form.pendingMode = 200;
        form.pendingClass = 1;
        form.apWidthText = QStringLiteral("640");
        applyOptions(state, form);
        QCOMPARE(state.settings.Mode, qint16(200));
        QCOMPARE(state.settings.Class, qint16(1));
        QCOMPARE(state.run.ApWidth, qint16(640));
    }
};

QTEST_GUILESS_MAIN(TestFieldChecks)
#include "test_field_checks.moc"
