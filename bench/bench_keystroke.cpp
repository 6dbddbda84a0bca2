// One keystroke in a 20,000-line text in the real main window: every edit
// reads the text again as Java, from the last point before the changed byte
// on, to name the file, so this is what typing feels like.
#include "settings/settings_file.h"
#include "window_session.h"
#include "workspace/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kLines = 20000;
constexpr int kMainClassLine = 19960; // the last class, the one holding main

// Ordinary code: a class every 40 lines, main in the last one.
QString twentyThousandLines() {
    QString text;
    for (int line = 0; line < kLines; ++line) {
        if (line % 40 == 0)
            text += QStringLiteral("public class Part%1 {\n").arg(line / 40);
        else if (line == 19990)
            text += QStringLiteral("    public static void main(String[] args) {\n");
        else if (line % 40 == 39)
            text += QStringLiteral("}\n");
        else
            text += QStringLiteral("    int value%1 = compute(%1, \"text\") + 42;\n").arg(line);
    }
    return text;
}

struct Window : qm::testing::WindowSession {
    Window() : WindowSession(QDir::temp().filePath("quillmoss-bench-src")) {
        editor()->setText(twentyThousandLines());
        QCoreApplication::processEvents();
    }
    QsciScintilla *editor() const { return window->form().Txt_edit; }
    QString fileName() const { return window->form().Txt_file->text(); }
};

// Made in main: the window must go before the application does.
Window *theWindow = nullptr;

Window &window() {
    return *theWindow;
}

// Where the key goes: the end of a class name, so each key renames that class.
struct Target {
    int line;
    int classIndex;   // which entry of ClassNames the key changes
    QString fileName; // what the file-name field must show after the key
};

const Target kMainClass{kMainClassLine, kMainClassLine / 40, QStringLiteral("Part499x")};
const Target kFirstClass{0, 0, QStringLiteral("Part499")};

void placeCaret(Window &w, const Target &target) {
    const QString line = w.editor()->text(target.line);
    w.editor()->setCursorPosition(target.line, int(line.indexOf(QLatin1String(" {"))));
    w.editor()->setFocus();
}

bool keyArrived(const Window &w, const Target &target) {
    const QStringList &names = w.window->workspace().ClassNames;
    return w.fileName() == target.fileName && target.classIndex < names.size() &&
           names[target.classIndex].endsWith(QLatin1Char('x'));
}

void typeOneKey(benchmark::State &state, const Target &target, bool repaint) {
    Window &w = window();
    placeCaret(w, target);
    for (auto _ : state) {
        QTest::keyClick(w.editor(), Qt::Key_X);
        if (repaint)
            QCoreApplication::processEvents();
        state.PauseTiming();
        if (!keyArrived(w, target)) {
            state.SkipWithError("the scan did not follow the keystroke");
            break;
        }
        QTest::keyClick(w.editor(), Qt::Key_Backspace);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = w.editor()->lines();
}

// The key up to the file-name field showing the new name, typed where it
// costs most: the editor's own work on an insertion grows with the caret's
// distance from the start of the text.
void BM_KeystrokeAtEnd(benchmark::State &state) {
    typeOneKey(state, kMainClass, false);
}

// The same key in the first line: the whole text is read again.
void BM_KeystrokeAtStart(benchmark::State &state) {
    typeOneKey(state, kFirstClass, false);
}

// The key at the end with the repaint and whatever else it leaves queued.
void BM_KeystrokeAtEndWithRepaint(benchmark::State &state) {
    typeOneKey(state, kMainClass, true);
}

// The part of a keystroke that copies the whole text out of the editor.
void BM_ReadEditorText(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(window().editor()->text());
}

} // namespace

BENCHMARK(BM_KeystrokeAtEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeAtStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeAtEndWithRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEditorText)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Window w;
    theWindow = &w;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
