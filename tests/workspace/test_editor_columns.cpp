// How much of a line the editor shows in the main window's fixed size, on
// the screens learners have. The offscreen platform is given those screens
// (editor_screens.json); each window is laid out for one of them.

#include "window_session.h"
#include "workspace/main_window.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

QScreen *screenSized(QSize size) {
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->geometry().size() == size)
            return screen;
    }
    return nullptr;
}

// A line of `columns` characters (digits, so every column counts), then
// filler lines up to `lines`.
QString program(int columns, int lines) {
    QString text;
    for (int i = 0; i < columns; ++i)
        text += QChar(u'0' + i % 10);
    for (int i = 1; i < lines; ++i)
        text += QStringLiteral("\n}");
    return text;
}

// Where the end of the first line stands in the editor's viewport.
long endOfFirstLine(QsciScintilla *editor) {
    const long end = editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, 0L);
    return editor->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, end);
}

long cellWidth(QsciScintilla *editor, const char *text) {
    return editor->SendScintilla(QsciScintilla::SCI_TEXTWIDTH, QsciScintilla::STYLE_DEFAULT, text);
}

} // namespace

class TestEditorColumns : public QObject {
    Q_OBJECT

private slots:
    void wholeLinesShow_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("lines");
        QTest::newRow("1440x900, a short program") << QSize(1440, 900) << 56 << 20;
        QTest::newRow("1440x900, 150 lines") << QSize(1440, 900) << 56 << 150;
        QTest::newRow("1366x768") << QSize(1366, 768) << 46 << 150;
        QTest::newRow("800x600") << QSize(800, 600) << 36 << 150;
    }

    void wholeLinesShow() {
        QFETCH(QSize, screen);
        QFETCH(int, columns);
        QFETCH(int, lines);
        QScreen *on = screenSized(screen);
        QVERIFY2(on, "the offscreen platform lacks the screen: see editor_screens.json");
        WindowSession s(QStringLiteral("/stored/dir"), WindowSession::Start::Shown, on);
        QsciScintilla *editor = s.f().Txt_edit;
        editor->setText(program(columns, lines));
        QCOMPARE(editor->SendScintilla(QsciScintilla::SCI_GETXOFFSET), 0L);
        const long end = endOfFirstLine(editor);
        QVERIFY2(end < editor->viewport()->width(),
                 qPrintable(QStringLiteral("line ends at %1, viewport %2")
                                .arg(end)
                                .arg(editor->viewport()->width())));
        // Legible on every screen, in cells of one width.
        const QFont font = editor->lexer()->defaultFont();
        QVERIFY2(QFontInfo(font).pixelSize() >= 11, qPrintable(QFontInfo(font).family()));
        QCOMPARE(cellWidth(editor, "i"), cellWidth(editor, "W"));
    }
};

QTEST_MAIN(TestEditorColumns)
#include "test_editor_columns.moc"
