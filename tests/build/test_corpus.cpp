// Every learner source of the corpus through the real build: the scan names
// it, Comp writes and runs the script with the real JDK in a stand-in console
// that feeds the file's input, and the clean-up leaves only the script. Every
// file runs as its .expect says.

#include "build/comp.h"
#include "build/java_names.h"
#include "launcher/terminal.h"
#include "requirements.h"
#include "temporary_home.h"
#include "test_files.h"
#include "workspace/class_scan.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace qm;
using namespace qm::build;

namespace {

const QString kPath = QStringLiteral("~/我的 Java");

// The .expect file: one "key: value" a line; `output` may repeat.
QMultiMap<QString, QString> readExpect(const QString &path) {
    QMultiMap<QString, QString> fields;
    const QString text = QString::fromUtf8(testing::fileBytes(path));
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return fields;
}

// Runs the wrapper in the foreground with the input file and no window.
const QByteArray kStandInTerminal =
    "exec \"$@\" < \"$CORPUS_STDIN\" > \"$CORPUS_STDOUT\" 2> \"$CORPUS_STDERR\"";

struct Console {
    QString output;      // everything the console's standard output showed
    int exitStatus = -1; // from the run's end line; -1 when nothing ran
    bool compileFailed = false;
};

Console readConsole(const QString &path) {
    Console console;
    console.output = QString::fromUtf8(testing::fileBytes(path));
    console.compileFailed = console.output.contains(QStringLiteral("编译失败，程序未运行"));
    static const QRegularExpression ended(
        QStringLiteral("----------运行结束，退出代码 (\\d+)，用时 \\d+\\.\\d\\d 秒----------"));
    const QRegularExpressionMatch match = ended.match(console.output);
    if (match.hasMatch())
        console.exitStatus = match.captured(1).toInt();
    return console;
}

} // namespace

class TestCorpus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QM_REQUIRE(testing::missingTools({"javac", "java"}));
        QVERIFY(home.isValid());
        // A console started from a plain C locale still gives javac and java
        // the UTF-8 that the Chinese package and class names need.
        home.environment().unset("LC_ALL").unset("LC_CTYPE").set("LANG", "C");
        const QString terminal = home.filePath("stand-in-terminal");
        QVERIFY(testing::writeExecutable(terminal, kStandInTerminal));
        QVERIFY(testing::writeBytes(terminalConfPath(), terminal.toUtf8() + "\n"));
        home.environment()
            .set("CORPUS_STDIN", home.filePath("stdin"))
            .set("CORPUS_STDOUT", home.filePath("stdout"))
            .set("CORPUS_STDERR", home.filePath("stderr"));
        clock.start();
    }

    void sourceBuildsAsExpected_data() {
        QTest::addColumn<QString>("source");
        const QDir corpus(QStringLiteral(QM_CORPUS_DIR));
        const QStringList files = corpus.entryList({"[0-9][0-9]_*.java"}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 30);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file.chopped(5))) << corpus.filePath(file);
    }

    void sourceBuildsAsExpected() {
        QFETCH(QString, source);
        const QByteArray bytes = testing::fileBytes(source);
        const QMultiMap<QString, QString> expect = readExpect(source.chopped(5) + ".expect");
        QCOMPARE(bytes.contains('\r'), expect.value("crlf") == "yes");
        const QString text = QString::fromUtf8(bytes);

        const ClassScan scan = scanMainClass(text);
        QCOMPARE(scan.fileName, expect.value("name"));
        QCOMPARE(declaredPackage(text), expect.value("package"));
        QString input = expect.value("stdin");
        QVERIFY(testing::writeBytes(home.filePath("stdin"), input.replace("\\n", "\n").toUtf8()));

        const Console console = build(text, scan.fileName, scan);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(expect.value("outcome"), "runs");
        QVERIFY2(!console.compileFailed, qPrintable(console.output + errors()));
        QCOMPARE(console.exitStatus, expect.value("exit").toInt());
        for (const QString &line : expect.values("output"))
            QVERIFY2(console.output.contains(line), qPrintable(line + "\n" + console.output));
        ran << QFileInfo(source).baseName();
    }

    void cleanupTestCase() {
        qInfo("%d ran in %.1f s", int(ran.size()), double(clock.elapsed()) / 1000.0);
    }

private:
    QString buildDir() const { return home.filePath(QStringLiteral("我的 Java/ClassFiles/")); }
    QString errors() const {
        return QString::fromUtf8(testing::fileBytes(home.filePath("stderr")));
    }

    // One click on 编译+运行 with the editor holding `text` and 文件 `name`.
    Console build(const QString &text, const QString &name, const ClassScan &scan) {
        QFile::remove(home.filePath("stdout"));
        const BuildOutcome outcome =
            Comp(BuildRequest{kPath, text, name}, [&] {
                return AfterRunValues{kPath, 0, scan.ClassNames, scan.ClassCount};
            }).outcome;
        [&] { QCOMPARE(outcome, BuildOutcome::Ran); }();
        const QStringList left =
            QDir(buildDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        [&] { QCOMPARE(left, QStringList{"Tamsorley.sh"}); }();
        return readConsole(home.filePath("stdout"));
    }

    testing::TemporaryHome home;
    QElapsedTimer clock;
    QStringList ran;
};

QTEST_GUILESS_MAIN(TestCorpus)
#include "test_corpus.moc"
