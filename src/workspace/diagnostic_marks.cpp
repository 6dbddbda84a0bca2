#include "workspace/diagnostic_marks.h"

#include "workspace/editor_setup.h"

#include <QMap>
#include <Qsci/qsciscintilla.h>
#include <Qsci/qscistyle.h>
#include <Qsci/qscistyledtext.h>

namespace qm {

namespace {

using build::Diagnostic;
using build::Severity;

const QColor kErrorColor(220, 40, 40);
const QColor kWarningColor(230, 150, 0);

const QsciStyle &annotationStyle(Severity severity, const QFont &font) {
    static QsciStyle error(-1, QStringLiteral("javac error"), QColor(140, 0, 0),
                           QColor(255, 228, 228), font);
    static QsciStyle warning(-1, QStringLiteral("javac warning"), QColor(110, 70, 0),
                             QColor(255, 245, 200), font);
    QsciStyle &style = severity == Severity::Error ? error : warning;
    style.setFont(font);
    return style;
}

} // namespace

DiagnosticMarks::DiagnosticMarks(QsciScintilla *sourceEditor)
    : QObject(sourceEditor), editor(sourceEditor) {
    errorMark = editor->markerDefine(QsciScintilla::Circle);
    warningMark = editor->markerDefine(QsciScintilla::RightTriangle);
    editor->setMarkerBackgroundColor(kErrorColor, errorMark);
    editor->setMarkerForegroundColor(kErrorColor.darker(150), errorMark);
    editor->setMarkerBackgroundColor(kWarningColor, warningMark);
    editor->setMarkerForegroundColor(kWarningColor.darker(150), warningMark);
    editor->setMarginType(kMarkMargin, QsciScintilla::SymbolMargin);
    editor->setMarginMarkerMask(kMarkMargin, (1 << errorMark) | (1 << warningMark));
    squiggle = editor->indicatorDefine(QsciScintilla::SquiggleIndicator);
    editor->setIndicatorForegroundColor(kErrorColor, squiggle);
    editor->setAnnotationDisplay(QsciScintilla::AnnotationIndented);
    connect(editor, &QsciScintilla::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int, int linesAdded) {
                textModified(position, type, linesAdded);
            });
}

void DiagnosticMarks::show(const QList<Diagnostic> &diagnostics) {
    clear();
    const int lastLine = editor->lines() - 1;
    QMap<int, QList<Diagnostic>> byLine;
    for (const Diagnostic &d : diagnostics)
        byLine[qBound(0, d.line - 1, lastLine)] << d;
    for (auto it = byLine.cbegin(); it != byLine.cend(); ++it)
        markLine(it.key(), it.value());
    shown = !byLine.isEmpty();
}

void DiagnosticMarks::markLine(int line, const QList<Diagnostic> &onLine) {
    QList<QsciStyledText> texts;
    bool anyError = false;
    for (const Diagnostic &d : onLine) {
        anyError = anyError || d.severity == Severity::Error;
        const QString text = texts.isEmpty() ? d.message : u'\n' + d.message;
        texts << QsciStyledText(text, annotationStyle(d.severity, editor->font()));
        if (d.column >= 0)
            underline(line, d.column);
    }
    editor->markerAdd(line, anyError ? errorMark : warningMark);
    editor->annotate(line, texts);
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
    editor->markerDeleteAll(errorMark);
    editor->markerDeleteAll(warningMark);
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
    const unsigned mask = (1u << errorMark) | (1u << warningMark);
    shown = editor->SendScintilla(QsciScintilla::SCI_MARKERNEXT, 0L, long(mask)) >= 0;
}

void DiagnosticMarks::clearLine(int line) {
    editor->markerDelete(line, errorMark);
    editor->markerDelete(line, warningMark);
    editor->clearAnnotations(line);
    const long start = editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    const long end = editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
    editor->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, squiggle);
    editor->SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start),
                          end - start);
}

} // namespace qm
