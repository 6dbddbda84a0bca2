// Which terminal is chosen and how it is told to run the script.
#include "launcher/terminal.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;

class TestTerminal : public QObject {
    Q_OBJECT

private:
    // A directory of fake executables standing in for the PATH.
    static void addProgram(const QTemporaryDir &dir, const QString &name) {
        QVERIFY(qm::testing::writeExecutable(dir.filePath(name), ""));
    }

private slots:
    void options_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QStringList>("expected");
        const QString t = QStringLiteral("运行 Hello — QuillmossJava编译器");
        const QStringList xtermFonts{
            "-fa",  "Monospace:lang=en",       "-fd", "Monospace:lang=zh-cn", "-fs", "11",
            "-xrm", "*selectToClipboard: true"};
        QTest::newRow("xterm: Latin cells, Chinese wide characters")
            << "xterm" << false << xtermFonts + QStringList{"-T", t, "-e"};
        QTest::newRow("xterm placed")
            << "xterm" << true << xtermFonts + QStringList{"-T", t, "-geometry", "+40+80", "-e"};
        QTest::newRow("konsole") << "konsole" << false << QStringList{"--separate", "-e"};
        QTest::newRow("konsole cannot be placed")
            << "konsole" << true << QStringList{"--separate", "-e"};
        QTest::newRow("gnome: waits, title before --")
            << "gnome-terminal" << false << QStringList{"--wait", "--title", t, "--"};
        QTest::newRow("gnome placed: one word")
            << "gnome-terminal" << true
            << QStringList{"--wait", "--title", t, "--geometry=+40+80", "--"};
        QTest::newRow("kitty: plain command") << "kitty" << false << QStringList{"--title", t};
        QTest::newRow("unknown: x-terminal-emulator options, never placed")
            << "some-term" << true << QStringList{"-T", t, "-e"};
    }

    void options() {
        QFETCH(QString, name);
        QFETCH(bool, placed);
        QFETCH(QStringList, expected);
        const QString title = QStringLiteral("运行 Hello — QuillmossJava编译器");
        const TerminalWindow window = placed ? TerminalWindow(title, QPoint(40, 80)) : title;
        QCOMPARE(terminalOptions(name, window), expected);
    }

    void detectionOrder_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("nothing") << QStringList{} << QString();
        QTest::newRow("xterm before konsole") << QStringList{"konsole", "xterm"} << "xterm";
        QTest::newRow("konsole before gnome")
            << QStringList{"gnome-terminal", "konsole", "foot"} << "konsole";
        QTest::newRow("foot last") << QStringList{"foot"} << "foot";
        QTest::newRow("alternative first")
            << QStringList{"xterm", "x-terminal-emulator"} << "x-terminal-emulator";
    }

    void detectionOrder() {
        QFETCH(QStringList, installed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const QString &name : installed)
            addProgram(dir, name);
        const Terminal found = findTerminal(QString(), QStringLiteral("t"), {dir.path()});
        QCOMPARE(found.isValid(), !chosen.isEmpty());
        if (found.isValid())
            QCOMPARE(found.program, dir.filePath(chosen));
    }

    void alternativeIsResolved_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("konsole gets its own flags") << "konsole" << QStringList{"--separate", "-e"};
        QTest::newRow("gnome-terminal proper waits")
            << "gnome-terminal" << QStringList{"--wait", "--title", "t", "--"};
        QTest::newRow("GNOME's wrapper takes xterm flags")
            << "gnome-terminal.wrapper" << QStringList{"-T", "t", "-e"};
        QTest::newRow("lxterm script passes xterm options on")
            << "lxterm" << QStringList{"-fa",  "Monospace:lang=en",
                                       "-fd",  "Monospace:lang=zh-cn",
                                       "-fs",  "11",
                                       "-xrm", "*selectToClipboard: true",
                                       "-T",   "t",
                                       "-e"};
    }

    void alternativeIsResolved() {
        QFETCH(QString, target);
        QFETCH(QStringList, expected);
        QTemporaryDir real;
        QTemporaryDir path;
        addProgram(real, target);
        QVERIFY(QFile::link(real.filePath(target), path.filePath("x-terminal-emulator")));
        const Terminal found = findTerminal(QString(), QStringLiteral("t"), {path.path()});
        QCOMPARE(found.options, expected);
        // A known terminal is started by its real path, a wrapper through the link.
        const bool known = knownTerminalNames().contains(target);
        QCOMPARE(found.program,
                 known ? real.filePath(target) : path.filePath("x-terminal-emulator"));
    }

    void confLine_data() {
        QTest::addColumn<QString>("conf");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("plain") << "myterm -e"
                               << "myterm" << QStringList{"-e"};
        QTest::newRow("comments and blanks skipped") << "# my terminal\n\n  myterm --hold -e  \n"
                                                     << "myterm" << QStringList{"--hold", "-e"};
        QTest::newRow("quoted argument stays whole")
            << "myterm -title \"my console\" -e"
            << "myterm" << QStringList{"-title", "my console", "-e"};
        QTest::newRow("no shell expansion") << "myterm $HOME;rm"
                                            << "myterm" << QStringList{"$HOME;rm"};
        QTest::newRow("missing program falls back to detection")
            << "nosuchterm -e"
            << "xterm" << QStringList{"-fa",  "Monospace:lang=en",
                                      "-fd",  "Monospace:lang=zh-cn",
                                      "-fs",  "11",
                                      "-xrm", "*selectToClipboard: true",
                                      "-T",   "t",
                                      "-e"};
        QTest::newRow("only comments") << "# nothing"
                                       << "xterm" << QStringList{"-fa",  "Monospace:lang=en",
                                                                 "-fd",  "Monospace:lang=zh-cn",
                                                                 "-fs",  "11",
                                                                 "-xrm", "*selectToClipboard: true",
                                                                 "-T",   "t",
                                                                 "-e"};
    }

    void confLine() {
        QFETCH(QString, conf);
        QFETCH(QString, program);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        addProgram(dir, QStringLiteral("myterm"));
        addProgram(dir, QStringLiteral("xterm"));
        const Terminal found = findTerminal(conf, QStringLiteral("t"), {dir.path()});
        QCOMPARE(found.program, dir.filePath(program));
        QCOMPARE(found.options, options);
    }

    void commandFollowsOptions() {
        const Terminal xterm{QStringLiteral("/usr/bin/xterm"),
                             terminalOptions("xterm", QStringLiteral("a b.sh"))};
        QCOMPARE(
            terminalCommandLine(xterm, {"/bin/sh", "/run/x/run.sh"}),
            (QStringList{"/usr/bin/xterm", "-fa", "Monospace:lang=en", "-fd",
                         "Monospace:lang=zh-cn", "-fs", "11", "-xrm", "*selectToClipboard: true",
                         "-T", "a b.sh", "-e", "/bin/sh", "/run/x/run.sh"}));
    }
};

QTEST_GUILESS_MAIN(TestTerminal)
#include "test_terminal.moc"
