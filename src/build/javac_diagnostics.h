#pragma once
// javac's diagnostics, read back from what it printed, so the editor can
// show each one at its line.

#include <QList>
#include <QString>
#include <QStringView>

namespace qm::build {

enum class Severity { Error, Warning };

struct Diagnostic {
    int line = 0;    // from 1, as javac counts
    int column = -1; // UTF-16 index into the line where javac's caret stood; -1 without one
    Severity severity = Severity::Error;
    QString message; // as javac printed it, kind word first ("错误: 找不到符号"), with its
                     // detail lines, the source line and the caret left out
};

bool operator==(const Diagnostic &a, const Diagnostic &b);

// The errors and warnings javac reported for `sourceFile` (the file name as
// passed to javac, such as "Hello.java"), in the order printed. English and
// Chinese output are both understood; diagnostics of other files, notes and
// the closing counts are left out.
QList<Diagnostic> parseJavacDiagnostics(QStringView output, QStringView sourceFile);

} // namespace qm::build
