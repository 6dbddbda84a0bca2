// The bash script run for real, with stand-ins for the JDK tools that log
// every call: hostile directory and class names run nothing but the tools.

#include "build/build_script.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace qm::build;
using qm::BuildKind;

namespace {

// What the stand-in for javac prints, on both of its outputs, as javac does.
const QByteArray kJavacSays = "Hello.java:3: 错误: 找不到符号\n";
const QByteArray kJavacCounts = "1 个错误\n";

// Logs its name, working directory and arguments, NUL-separated.
void writeFakeTool(const QString &directory, const QString &tool, int status) {
    const QString path = directory + "/" + tool;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray says = tool == "javac"
                                ? "printf '" + kJavacSays + "' >&2\nprintf '" + kJavacCounts + "'\n"
                                : QByteArray();
    file.write("#!/bin/bash\nprintf '%s\\0' " + tool.toUtf8() +
               " \"$PWD\" \"$@\" >> \"$TOOL_LOG\"\n" + says + "exit " + QByteArray::number(status) +
               "\n");
    file.close();
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

} // namespace

class TestBuildScriptRun : public QObject {
    Q_OBJECT

private slots:
    void hostileNamesRunOnlyTheTools_data() {
        QTest::addColumn<QString>("directoryName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("compType");
        QTest::addColumn<int>("javacStatus");
        QTest::newRow("plain, compiled") << "Class Files"
                                         << "Hello" << 0 << 0;
        QTest::newRow("compile error runs nothing") << "ClassFiles"
                                                    << "Hello" << 0 << 1;
        QTest::newRow("applet") << "ClassFiles"
                                << "Hello" << 1 << 0;
        QTest::newRow("applet, compile error") << "ClassFiles"
                                               << "Hello" << 1 << 2;
        QTest::newRow("quotes in the name") << "ClassFiles"
                                            << "H'; touch INJ1; echo '" << 0 << 0;
        QTest::newRow("substitutions") << "d $(touch INJ2) `touch INJ3`"
                                       << "$(touch INJ4)`touch INJ5`" << 0 << 0;
        QTest::newRow("separators") << "a;touch INJ6&b|c"
                                    << "x && touch INJ7 || y" << 1 << 0;
        QTest::newRow("quotes everywhere") << "'\"\\'\""
                                           << "\"'\\$HOME'\"" << 0 << 0;
        QTest::newRow("line break") << "new\ntouch INJ8"
                                    << "n\ntouch INJ9" << 0 << 0;
        QTest::newRow("leading dash") << "-rf"
                                      << "-v" << 0 << 0;
    }

    void hostileNamesRunOnlyTheTools() {
        QFETCH(QString, directoryName);
        QFETCH(QString, name);
        QFETCH(int, compType);
        QFETCH(int, javacStatus);

        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath("bin");
        const QString buildDir = root.filePath("src/") + directoryName;
        const QString start = root.filePath("start");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(buildDir) && QDir().mkpath(start));
        writeFakeTool(bin, "javac", javacStatus);
        writeFakeTool(bin, "java", 0);
        writeFakeTool(bin, "appletviewer", 0);

        const QString script = buildDir + "/Tamsorley.sh";
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QStringList lines = posixScriptLines(buildDir, name, BuildKind(compType));
        file.write(textFileBytes(lines, qm::platform::ScriptKind::Posix));
        file.close();

        QProcess bash;
        QProcessEnvironment env;
        env.insert("PATH", bin + ":/usr/bin:/bin");
        env.insert("TOOL_LOG", root.filePath("log"));
        bash.setProcessEnvironment(env);
        bash.setWorkingDirectory(start);
        bash.start("/bin/bash", {script});
        QVERIFY(bash.waitForStarted());
        bash.write("k");
        bash.closeWriteChannel();
        QVERIFY(bash.waitForFinished(10000));
        QCOMPARE(bash.exitCode(), 0);

        QStringList expected{"javac", buildDir, "-encoding", "UTF-8", name + ".java"};
        // The program runs only when javac's own status says it compiled, not tee's.
        if (javacStatus == 0 && compType == 0)
            expected << "java" << buildDir << name;
        if (javacStatus == 0 && compType == 1)
            expected << "appletviewer" << buildDir << name + ".HTML";
        QFile log(root.filePath("log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QStringList calls = QString::fromUtf8(log.readAll()).split(QChar(0));
        QCOMPARE(calls.takeLast(), QString());
        QCOMPARE(calls, expected);

        const QString output = QString::fromUtf8(bash.readAllStandardOutput());
        const qsizetype compiling = output.indexOf("------------编译中...------------");
        const qsizetype finished = output.indexOf("----------编译+运行完成----------");
        QVERIFY(compiling >= 0 && finished > compiling);
        QVERIFY(output.endsWith("请按任意键继续. . ."));
        // javac's output shows in the console and is kept in the build directory.
        QVERIFY(output.contains(QString::fromUtf8(kJavacSays + kJavacCounts)));
        QFile kept(buildDir + "/" + javacOutputFileName());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), kJavacSays + kJavacCounts);

        QDirIterator it(root.path(), {"INJ*"}, QDir::Files, QDirIterator::Subdirectories);
        const QString injected = it.hasNext() ? it.next() : QString();
        QVERIFY2(injected.isEmpty(), qPrintable("injected command ran: " + injected));
    }
};

QTEST_GUILESS_MAIN(TestBuildScriptRun)
#include "test_build_script_run.moc"
