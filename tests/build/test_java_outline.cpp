// The outline read again after each edit, resuming where the text changed,
// is always the one a fresh reading gives.

#include "build/java_outline.h"

#include <QRandomGenerator>
#include <QTest>

using namespace qm::build;

namespace {

// What is typed and pasted, the pieces that change how the rest reads among them.
const QStringList kPieces{
    "class Shape { int area; }\n",
    "public class Main {\n",
    "    public static void main(String[] args) {\n",
    "    static public void main(String... a) {}\n",
    "    String s = \"text {\";\n",
    "    char c = '}';\n",
    "    // class Wrong {\n",
    "/* a comment\n",
    " * class Notes\n",
    " */\n",
    "\"\"\"\n",
    "}\n",
    "{\n",
    "interface Greeter {}\n",
    "enum State { A }\n",
    QStringLiteral("class 成绩单 {}\n"),
    "\"",
    "/*",
    "*/",
    "x",
};

QString randomPieces(QRandomGenerator &random, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += kPieces[random.bounded(kPieces.size())];
    return text;
}

bool sameOutline(const SourceOutline &a, const SourceOutline &b) {
    if (a.typeNames != b.typeNames || a.topLevelTypes.size() != b.topLevelTypes.size())
        return false;
    for (qsizetype i = 0; i < a.topLevelTypes.size(); ++i) {
        const TopLevelType &x = a.topLevelTypes[i];
        const TopLevelType &y = b.topLevelTypes[i];
        if (x.name != y.name || x.isPublic != y.isPublic || x.holdsMain != y.holdsMain)
            return false;
    }
    return true;
}

// One edit: a piece typed, a stretch deleted, or a piece put in its place;
// near the end as often as anywhere else.
void edit(QRandomGenerator &random, QByteArray &text) {
    const qsizetype size = text.size();
    const qsizetype at = random.bounded(2) == 0
                             ? random.bounded(size + 1)
                             : size - random.bounded(std::min<qsizetype>(size, 200) + 1);
    const qsizetype removed =
        std::min<qsizetype>(random.bounded(3) == 0 ? random.bounded(30) : 0, size - at);
    text.replace(at, removed, randomPieces(random, random.bounded(2)).toUtf8());
}

} // namespace

class TestJavaOutline : public QObject {
    Q_OBJECT

private slots:
    void resumedReadingsEqualFreshOnes() {
        QRandomGenerator random(42);
        for (int round = 0; round < 4; ++round) {
            // Long enough for many points to resume from.
            QByteArray text = randomPieces(random, 3000).toUtf8();
            OutlineReader reader;
            for (int step = 0; step < 150; ++step) {
                edit(random, text);
                const SourceOutline &resumed = reader.read(text);
                QVERIFY2(sameOutline(resumed, outlineOf(text)),
                         qPrintable(QStringLiteral("round %1, edit %2").arg(round).arg(step)));
            }
        }
    }

    void sameTextIsNotReadAgain() {
        OutlineReader reader;
        const QByteArray text = "public class A { public static void main(String[] a) {} }";
        const SourceOutline *first = &reader.read(text);
        QCOMPARE(&reader.read(text), first);
        QVERIFY(first->topLevelTypes.value(0).holdsMain);
        QCOMPARE(reader.read("").topLevelTypes.size(), 0);
    }

    // Main found after a point to resume from, in a type opened before it.
    void mainTypedAndTakenBackFarFromTheType() {
        const QByteArray head = "public class A {\n" + QByteArray(20000, ' ');
        OutlineReader reader;
        QVERIFY(!reader.read(head + "}").topLevelTypes.value(0).holdsMain);
        QVERIFY(reader.read(head + "public static void main(String[] a) {}\n}")
                    .topLevelTypes.value(0)
                    .holdsMain);
        QVERIFY(!reader.read(head + "public static void mai(String[] a) {}\n}")
                     .topLevelTypes.value(0)
                     .holdsMain);
    }

    // A comment or text block left open depends on all that follows: closing
    // it at the very end changes what comes before.
    void closingAtTheEndRereadsWhatWasLeftOpen_data() {
        QTest::addColumn<QByteArray>("open");
        QTest::addColumn<QByteArray>("close");
        QTest::newRow("comment") << QByteArray("/*") << QByteArray("*/");
        QTest::newRow("text block") << QByteArray("\"\"\"") << QByteArray("\"\"\"");
    }

    void closingAtTheEndRereadsWhatWasLeftOpen() {
        QFETCH(QByteArray, open);
        QFETCH(QByteArray, close);
        QByteArray text = "class A {}\n" + QByteArray(20000, ' ') + open + "\nclass B {}\n" +
                          QByteArray(20000, ' ');
        OutlineReader reader;
        QCOMPARE(reader.read(text).typeNames, (QStringList{"A", "B"}));
        text += close;
        QCOMPARE(reader.read(text).typeNames, QStringList{"A"});
    }
};

QTEST_APPLESS_MAIN(TestJavaOutline)
#include "test_java_outline.moc"
