#pragma once
// javac's errors and warnings shown in the editor where they are: a margin
// mark (a red circle for an error, an amber arrow for a warning), a wavy
// underline at javac's caret and the message as an annotation under the
// line, followed by its plain Chinese explanation where there is one. An
// uncaught exception of the program is marked at the line that threw it (a
// violet bookmark, the JVM's words and their explanation) and, lighter, at
// the lines it was called through. A mark goes as soon as its line is edited.

#include "build/exception_trace.h"
#include "build/javac_diagnostics.h"

#include <QObject>

#include <optional>

class QFontMetrics;
class QsciScintilla;

namespace qm {

class DiagnosticMarks : public QObject {
    Q_OBJECT
public:
    explicit DiagnosticMarks(QsciScintilla *editor);

    // Replaces the marks with these; lines count from 1, as javac's do.
    void show(const QList<build::Diagnostic> &diagnostics,
              const std::optional<build::UncaughtException> &thrown = std::nullopt);
    void clear();

    // The margin marker numbers, for reading the marks back.
    int errorMarker() const { return errorMark; }
    int warningMarker() const { return warningMark; }
    int exceptionMarker() const { return exceptionMark; }
    int callerMarker() const { return callerMark; }

private:
    void defineMarkers();
    void textModified(int position, int modificationType, int linesAdded);
    void clearLine(int line);
    // What a mark says under its line: each piece with its kind.
    enum class Note { Error, Warning, Exception, Explanation };
    using NoteLines = QList<std::pair<QString, Note>>;

    NoteLines markLine(int line, const QList<build::Diagnostic> &onLine);
    NoteLines markException(const build::UncaughtException &thrown);
    void annotate(int line, const NoteLines &notes);
    int noteWidth(int line, const QFontMetrics &metrics) const;
    void underline(int line, int column);
    int editorLine(int javaLine) const;
    unsigned allMarkers() const;

    QsciScintilla *editor;
    int errorMark = -1;
    int warningMark = -1;
    int exceptionMark = -1;
    int callerMark = -1;
    int squiggle = -1;
    bool shown = false;
};

} // namespace qm
