// The console scripts' templates in the resources and how their marks are
// filled.

#include "resources/resources.h"

#include <QTest>

using qm::fillMarks;
using qm::resourceText;

class TestTemplates : public QObject {
    Q_OBJECT

private slots:
    void fill_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("filled");
        QTest::newRow("one mark") << "cd @dir@\n"
                                  << "cd '/b c'\n";
        QTest::newRow("every occurrence") << "@dir@ @dir@"
                                          << "'/b c' '/b c'";
        QTest::newRow("side by side") << "@flags@@name@"
                                      << "-d . Hello";
        QTest::newRow("a value is not searched") << "@trap@"
                                                 << "@dir@";
        QTest::newRow("a mark without a value stays") << "x=@unknown@ y=@name@"
                                                      << "x=@unknown@ y=Hello";
        QTest::newRow("not marks") << "@echo off\nmail@example.org @Dir@ @1@ @@"
                                   << "@echo off\nmail@example.org @Dir@ @1@ @@";
        QTest::newRow("no marks at all") << ""
                                         << "";
    }

    void fill() {
        QFETCH(QString, text);
        QFETCH(QString, filled);
        const QHash<QString, QString> values{
            {"dir", "'/b c'"}, {"flags", "-d . "}, {"name", "Hello"}, {"trap", "@dir@"}};
        QCOMPARE(fillMarks(text, values), filled);
    }

    void templatesAreCompiledIn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("bash") << "console_script.sh"
                              << "#!/bin/bash";
        QTest::newRow("command interpreter") << "console_script.bat"
                                             << "@echo off";
        QTest::newRow("wrapper") << "wrapper_script.sh"
                                 << "#!/bin/sh";
        QTest::newRow("archive sample") << "Sample.java"
                                        << "// A small program that uses what learners use in "
                                           "their programs (generics,";
    }

    void templatesAreCompiledIn() {
        QFETCH(QString, name);
        QFETCH(QString, firstLine);
        const QString text = resourceText(name);
        QCOMPARE(text.section('\n', 0, 0), firstLine);
        QVERIFY(text.endsWith('\n'));
        QVERIFY(!text.contains('\r'));
    }

    void missingResourceIsEmpty() { QCOMPARE(resourceText("no-such-file"), QString()); }
};

QTEST_GUILESS_MAIN(TestTemplates)
#include "test_templates.moc"
