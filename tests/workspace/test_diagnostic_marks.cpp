// javac's diagnostics and a run's uncaught exception as marks in a real
// editor, read back through QScintilla: which line, which marker, which
// annotation, and when they go.

#include "build/explanations.h"
#include "workspace/diagnostic_marks.h"

#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using build::Diagnostic;
using build::Severity;
using build::UncaughtException;

namespace {

const QString kSource = QStringLiteral("public class A {\n"      // 1
                                       "    int x = \"s\";\n"    // 2
                                       "    java.util.List l;\n" // 3
                                       "    void f() { g(); }\n" // 4
                                       "}\n");                   // 5

const QList<Diagnostic> kFound{
    {2, 12, Severity::Error, "error: incompatible types"},
    {3, 4, Severity::Warning, "warning: [rawtypes] found raw type: List"},
    {4, 15, Severity::Error, "错误: 找不到符号\n  符号:   方法 g()"},
    {4, 15, Severity::Warning, "警告: second on the line"},
};

struct Marked {
    Marked() : marks(&editor) {
        editor.setUtf8(true);
        editor.setText(kSource);
        marks.show(kFound);
    }
    bool error(int line) const { return editor.markersAtLine(line) & (1u << marks.errorMarker()); }
    bool warning(int line) const {
        return editor.markersAtLine(line) & (1u << marks.warningMarker());
    }
    bool thrown(int line) const {
        return editor.markersAtLine(line) & (1u << marks.exceptionMarker());
    }
    bool caller(int line) const {
        return editor.markersAtLine(line) & (1u << marks.callerMarker());
    }
    bool marked(int line) const {
        return editor.markersAtLine(line) != 0 || !editor.annotation(line).isEmpty();
    }
    int underlined(int line) const {
        const long start = editor.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
        const long end = editor.SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
        int count = 0;
        for (long p = start; p < end; ++p)
            count += editor.SendScintilla(QsciScintilla::SCI_INDICATORALLONFOR, p) != 0;
        return count;
    }

    QsciScintilla editor;
    DiagnosticMarks marks;
};

} // namespace

class TestDiagnosticMarks : public QObject {
    Q_OBJECT

private slots:
    void marksStandAtJavacsLines() {
        Marked m;
        QVERIFY(!m.marked(0));
        QVERIFY(m.error(1) && !m.warning(1));
        QCOMPARE(m.editor.annotation(1), QStringLiteral("error: incompatible types"));
        QVERIFY(m.warning(2) && !m.error(2));
        // An error and a warning on one line: the error's marker, both
        // messages, each followed by its explanation where there is one.
        QVERIFY(m.error(3));
        const QString explained = build::explain(kFound[2]);
        QVERIFY(!explained.isEmpty());
        QCOMPARE(m.editor.annotation(3), "错误: 找不到符号\n  符号:   方法 g()\n" + explained +
                                             "\n警告: second on the line");
        QVERIFY(!m.marked(4));
        // The caret's word is underlined: "\"s\"" on line 2, "java" on line 3, "g" on line 4.
        QCOMPARE(m.underlined(1), 1);
        QCOMPARE(m.underlined(2), 4);
        QCOMPARE(m.underlined(3), 1);
    }

    void anEditClearsItsLineOnly_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("stillMarked"); // lines after the edit
        QTest::newRow("a character in the error line") << 1 << 5 << "y" << QList<int>{2, 3};
        QTest::newRow("a new line above moves the marks") << 0 << 0 << "\n" << QList<int>{2, 3, 4};
        QTest::newRow("a line break inside a marked line") << 2 << 4 << "\n" << QList<int>{1, 4};
        QTest::newRow("an unmarked line") << 4 << 1 << " " << QList<int>{1, 2, 3};
    }

    void anEditClearsItsLineOnly() {
        QFETCH(int, line);
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QList<int>, stillMarked);
        Marked m;
        m.editor.insertAt(typed, line, index);
        for (int l = 0; l < m.editor.lines(); ++l)
            QCOMPARE(m.marked(l), stillMarked.contains(l));
    }

    void deletingLinesTakesTheirMarks() {
        Marked m;
        m.editor.setSelection(1, 0, 3, 0); // lines 2 and 3 whole
        m.editor.removeSelectedText();
        for (int l = 0; l < m.editor.lines(); ++l)
            QCOMPARE(m.marked(l), l == 1); // the line with g() moved up, marks and all
        QVERIFY(m.error(1));
    }

    void replacingTheTextClearsEverything() {
        Marked m;
        m.editor.setText(kSource);
        for (int l = 0; l < m.editor.lines(); ++l)
            QVERIFY(!m.marked(l));
        QCOMPARE(m.underlined(1), 0);
    }

    void clearAndOutOfRangeLines() {
        Marked m;
        m.marks.show({{99, -1, Severity::Error, "error: reached end of file while parsing"}});
        const int last = m.editor.lines() - 1;
        QVERIFY(m.error(last));
        for (int l = 0; l < last; ++l)
            QVERIFY(!m.marked(l));
        m.marks.clear();
        QVERIFY(!m.marked(last));
    }

    void anExceptionIsMarkedWhereItWasThrown() {
        Marked m;
        const UncaughtException thrown{"java.lang.ArithmeticException", "/ by zero", 5, {2, 4}};
        m.marks.show({kFound[1]}, thrown);
        QVERIFY(m.thrown(4) && !m.error(4) && !m.caller(4));
        const QStringList note = m.editor.annotation(4).split('\n');
        QCOMPARE(note.size(), 3);
        QCOMPARE(note[0], QStringLiteral("java.lang.ArithmeticException: / by zero"));
        QCOMPARE(note[1], build::explainException(thrown.className, thrown.message));
        QCOMPARE(note[2], QStringLiteral("调用经过第 2、4 行"));
        // The callers: a lighter mark and no words; javac's warning keeps its own.
        QVERIFY(m.caller(1) && !m.thrown(1) && m.editor.annotation(1).isEmpty());
        QVERIFY(m.caller(3) && m.editor.annotation(3).isEmpty());
        QVERIFY(m.warning(2) && !m.caller(2));
        QVERIFY(!m.marked(0));

        m.editor.insertAt("x", 4, 0);
        QVERIFY(!m.marked(4) && m.caller(1));
        m.marks.clear();
        for (int l = 0; l < m.editor.lines(); ++l)
            QVERIFY(!m.marked(l));
    }

    // A window too narrow for a note: it reads whole without scrolling
    // sideways, broken between words or Chinese characters.
    void aLongNoteIsBrokenToTheEditorsWidth() {
        Marked m;
        m.editor.resize(360, 300);
        m.editor.show(); // lays the viewport out
        QVERIFY(QTest::qWaitForWindowExposed(&m.editor));
        const UncaughtException thrown{"java.lang.ArrayIndexOutOfBoundsException",
                                       "Index 3 out of bounds for length 3",
                                       4,
                                       {}};
        m.marks.show({}, thrown);
        const QString note = m.editor.annotation(3);
        const QString said = thrown.header() + build::explainException(thrown.className, {});
        QCOMPARE(QString(note).remove('\n').remove(' '), QString(said).remove(' '));
        QVERIFY2(note.count('\n') > 2, qPrintable(note));
        const QFontMetrics metrics(m.editor.font());
        for (const QString &line : note.split('\n'))
            QVERIFY2(metrics.horizontalAdvance(line) <= m.editor.viewport()->width(),
                     qPrintable(line));
        QVERIFY(!note.contains("Ind\nex")); // a word stays whole

        // javac's own lines stay as they were, short ones unbroken.
        const Diagnostic lines{4, 15, Severity::Warning,
                               "警告: [unchecked] 未经检查的调用\n  符号: 方法 add(E)\n"
                               "  位置: 接口 List\n  其中, E是类型变量"};
        m.marks.show({lines});
        QCOMPARE(m.editor.annotation(3), lines.message);
    }

    void anExceptionOnALineWithAWarning() {
        Marked m;
        m.marks.show({kFound[1]}, UncaughtException{"MyException", "", 3, {3}});
        QVERIFY(m.warning(2) && m.thrown(2) && !m.caller(2));
        // No explanation for the learner's own exception, no caller elsewhere.
        QCOMPARE(m.editor.annotation(2),
                 QStringLiteral("warning: [rawtypes] found raw type: List\nMyException"));
    }
};

QTEST_MAIN(TestDiagnosticMarks)
#include "test_diagnostic_marks.moc"
