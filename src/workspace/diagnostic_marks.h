#pragma once
// javac's errors and warnings shown in the editor where they are: a margin
// mark (a red circle for an error, an amber arrow for a warning), a wavy
// underline at javac's caret and the message as an annotation under the
// line. A mark goes as soon as its line is edited.

#include "build/javac_diagnostics.h"

#include <QObject>

class QsciScintilla;

namespace qm {

class DiagnosticMarks : public QObject {
    Q_OBJECT
public:
    explicit DiagnosticMarks(QsciScintilla *editor);

    // Replaces the marks with these; lines count from 1, as javac's do.
    void show(const QList<build::Diagnostic> &diagnostics);
    void clear();

    // The margin marker numbers, for reading the marks back.
    int errorMarker() const { return errorMark; }
    int warningMarker() const { return warningMark; }

private:
    void textModified(int position, int modificationType, int linesAdded);
    void clearLine(int line);
    void markLine(int line, const QList<build::Diagnostic> &onLine);
    void underline(int line, int column);

    QsciScintilla *editor;
    int errorMark = -1;
    int warningMark = -1;
    int squiggle = -1;
    bool shown = false;
};

} // namespace qm
