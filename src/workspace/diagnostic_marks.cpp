#include "workspace/diagnostic_marks.h"

#include "build/explanations.h"
#include "workspace/editor_setup.h"

#include <QFontMetrics>
#include <QMap>
#include <Qsci/qsciscintilla.h>
#include <Qsci/qscistyle.h>
#include <Qsci/qscistyledtext.h>

#include <array>

namespace qm {

namespace {

using build::Diagnostic;
using build::Severity;

const QColor kErrorColor(220, 40, 40);
const QColor kWarningColor(230, 150, 0);
// Violet, so a run's failure never reads as javac's; its callers paler.
const QColor kExceptionColor(130, 50, 190);
const QColor kCallerColor(200, 170, 230);

// One style for each kind of note (DiagnosticMarks::Note), in the editor's font.
const QsciStyle &noteStyle(int kind, const QFont &font) {
    static std::array<QsciStyle, 4> styles{
        QsciStyle(-1, QStringLiteral("javac error"), QColor(140, 0, 0), QColor(255, 228, 228),
                  font),
        QsciStyle(-1, QStringLiteral("javac warning"), QColor(110, 70, 0), QColor(255, 245, 200),
                  font),
        QsciStyle(-1, QStringLiteral("uncaught exception"), QColor(80, 0, 120),
                  QColor(242, 232, 255), font),
        QsciStyle(-1, QStringLiteral("explanation"), QColor(20, 60, 130), QColor(232, 241, 255),
                  font),
    };
    QsciStyle &style = styles.at(std::size_t(kind));
    style.setFont(font);
    return style;
}

// Where a line of a note may end: after a space or a wide (Chinese) character.
bool breaksAfter(QChar c) {
    return c == u' ' || c.unicode() >= 0x2E80;
}

// `text` in lines no wider than `width`, so a note reads whole without
// scrolling sideways: broken where breaksAfter allows, inside a long word
// only when it has to be.
QStringList wrapped(const QString &text, const QFontMetrics &metrics, int width) {
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        line += c;
        if (line.size() < 2 || metrics.horizontalAdvance(line) <= width)
            continue;
        qsizetype cut = line.size() - 1;
        for (qsizetype i = line.size() - 2; i > 0; --i) {
            if (breaksAfter(line.at(i))) {
                cut = i + 1;
                break;
            }
        }
        lines << line.left(cut).trimmed();
        line = line.mid(cut);
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

} // namespace

DiagnosticMarks::DiagnosticMarks(QsciScintilla *sourceEditor)
    : QObject(sourceEditor), editor(sourceEditor) {
    defineMarkers();
    squiggle = editor->indicatorDefine(QsciScintilla::SquiggleIndicator);
    editor->setIndicatorForegroundColor(kErrorColor, squiggle);
    editor->setAnnotationDisplay(QsciScintilla::AnnotationIndented);
    connect(editor, &QsciScintilla::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int, int linesAdded) {
                textModified(position, type, linesAdded);
            });
}

void DiagnosticMarks::defineMarkers() {
    errorMark = editor->markerDefine(QsciScintilla::Circle);
    warningMark = editor->markerDefine(QsciScintilla::RightTriangle);
    exceptionMark = editor->markerDefine(QsciScintilla::Bookmark);
    callerMark = editor->markerDefine(QsciScintilla::LeftRectangle);
    const std::array<std::pair<int, QColor>, 4> colors{{{errorMark, kErrorColor},
                                                        {warningMark, kWarningColor},
                                                        {exceptionMark, kExceptionColor},
                                                        {callerMark, kCallerColor}}};
    for (const auto &[marker, color] : colors) {
        editor->setMarkerBackgroundColor(color, marker);
        editor->setMarkerForegroundColor(color.darker(150), marker);
    }
    editor->setMarginType(kMarkMargin, QsciScintilla::SymbolMargin);
    editor->setMarginMarkerMask(kMarkMargin, int(allMarkers()));
}

unsigned DiagnosticMarks::allMarkers() const {
    return (1u << errorMark) | (1u << warningMark) | (1u << exceptionMark) | (1u << callerMark);
}

// A line past the end (javac's "reached end of file") marks the last one.
int DiagnosticMarks::editorLine(int javaLine) const {
    return qBound(0, javaLine - 1, editor->lines() - 1);
}

void DiagnosticMarks::show(const QList<Diagnostic> &diagnostics,
                           const std::optional<build::UncaughtException> &thrown) {
    clear();
    QMap<int, QList<Diagnostic>> byLine;
    for (const Diagnostic &d : diagnostics)
        byLine[editorLine(d.line)] << d;
    QMap<int, NoteLines> notes;
    for (auto it = byLine.cbegin(); it != byLine.cend(); ++it)
        notes[it.key()] = markLine(it.key(), it.value());
    if (thrown)
        notes[editorLine(thrown->line)] += markException(*thrown);
    for (auto it = notes.cbegin(); it != notes.cend(); ++it)
        annotate(it.key(), it.value());
    shown = !notes.isEmpty();
}

// javac's own words first, then what they mean.
DiagnosticMarks::NoteLines DiagnosticMarks::markLine(int line, const QList<Diagnostic> &onLine) {
    NoteLines notes;
    bool anyError = false;
    for (const Diagnostic &d : onLine) {
        anyError = anyError || d.severity == Severity::Error;
        notes.append({d.message, d.severity == Severity::Error ? Note::Error : Note::Warning});
        if (const QString meaning = build::explain(d); !meaning.isEmpty())
            notes.append({meaning, Note::Explanation});
        if (d.column >= 0)
            underline(line, d.column);
    }
    editor->markerAdd(line, anyError ? errorMark : warningMark);
    return notes;
}

// The JVM's own words first, then what they mean and where the call came from.
DiagnosticMarks::NoteLines DiagnosticMarks::markException(const build::UncaughtException &thrown) {
    const int line = editorLine(thrown.line);
    editor->markerAdd(line, exceptionMark);
    QList<int> callers;
    for (const int caller : thrown.callerLines) {
        if (editorLine(caller) != line) {
            editor->markerAdd(editorLine(caller), callerMark);
            callers << caller;
        }
    }
    NoteLines notes{{thrown.header(), Note::Exception}};
    for (const QString &more : {build::explainException(thrown.className, thrown.message),
                                build::callerLinesText(callers)}) {
        if (!more.isEmpty())
            notes.append({more, Note::Explanation});
    }
    return notes;
}

void DiagnosticMarks::annotate(int line, const NoteLines &notes) {
    const QFontMetrics metrics(editor->font());
    const int width = noteWidth(line, metrics);
    QList<QsciStyledText> texts;
    for (const auto &[text, kind] : notes) {
        QStringList lines;
        for (const QString &piece : text.split(u'\n')) // javac's own lines stay
            lines << wrapped(piece, metrics, width);
        const QString joined = lines.join(u'\n');
        texts << QsciStyledText(texts.isEmpty() ? joined : u'\n' + joined,
                                noteStyle(int(kind), editor->font()));
    }
    editor->annotate(line, texts);
}

// What the editor shows of a note beside the margins, from the line's
// indentation on; never less than a few words.
int DiagnosticMarks::noteWidth(int line, const QFontMetrics &metrics) const {
    int margins = 0;
    for (int margin = 0; margin < editor->margins(); ++margin)
        margins += editor->marginWidth(margin);
    const int space = metrics.horizontalAdvance(u' ');
    const int visible =
        editor->viewport()->width() - margins - space * (editor->indentation(line) + 2);
    return qMax(visible, space * 30);
}

// javac's caret stands at the start of the offending word, or just past the
// end of the line for something missing there.
void DiagnosticMarks::underline(int line, int column) {
    const QString text = editor->text(line);
    const int lineStart = int(editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line));
    const int lineEnd = int(editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line));
    long start = lineStart + text.left(column).toUtf8().size();
    long end = editor->SendScintilla(QsciScintilla::SCI_WORDENDPOSITION,
                                     static_cast<unsigned long>(start), 1L);
    if (end <= start)
        end = editor->SendScintilla(QsciScintilla::SCI_POSITIONAFTER, start);
    if (start >= lineEnd && lineEnd > lineStart) {
        start = editor->SendScintilla(QsciScintilla::SCI_POSITIONBEFORE, lineEnd);
        end = lineEnd;
    }
    end = qMin<long>(end, lineEnd);
    if (end <= start)
        return;
    editor->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, squiggle);
    editor->SendScintilla(QsciScintilla::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                          end - start);
}

void DiagnosticMarks::clear() {
    if (!shown)
        return;
    shown = false;
    for (const int marker : {errorMark, warningMark, exceptionMark, callerMark})
        editor->markerDeleteAll(marker);
    editor->clearAnnotations();
    editor->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, squiggle);
    editor->SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, 0L, editor->length());
}

// Every line the change touched loses its marks; lines that only moved keep
// theirs, since markers and annotations travel with their line.
void DiagnosticMarks::textModified(int position, int modificationType, int linesAdded) {
    if (!shown ||
        !(modificationType & (QsciScintilla::SC_MOD_INSERTTEXT | QsciScintilla::SC_MOD_DELETETEXT)))
        return;
    const int first = int(editor->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, position));
    for (int line = first; line <= first + qMax(0, linesAdded); ++line)
        clearLine(line);
    shown = editor->SendScintilla(QsciScintilla::SCI_MARKERNEXT, 0L, long(allMarkers())) >= 0;
}

void DiagnosticMarks::clearLine(int line) {
    for (const int marker : {errorMark, warningMark, exceptionMark, callerMark})
        editor->markerDelete(line, marker);
    editor->clearAnnotations(line);
    const long start = editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    const long end = editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
    editor->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, squiggle);
    editor->SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start),
                          end - start);
}

} // namespace qm
