#pragma once
// An uncaught exception, read back from what the program printed on its
// standard error, so the editor can mark where in the compiled source it was
// thrown and through which of its lines it was called.

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace qm::build {

struct UncaughtException {
    QString className; // as the JVM names it: "java.lang.ArithmeticException"
    QString message;   // "/ by zero"; "" when it has none
    int line = 0;      // the innermost frame in the source, from 1
    // The source's other lines on the trace, innermost first, each once.
    QList<int> callerLines;

    // The JVM's own words: "java.lang.ArithmeticException: / by zero".
    QString header() const;
};

bool operator==(const UncaughtException &a, const UncaughtException &b);

// The first uncaught exception in `errors` ("Exception in thread ..." and its
// trace) that has a frame in `sourceFile` ("Hello.java") of a class of
// `package` ("" for none). Of a chain of causes, the deepest one with such a
// frame is taken: that is where the failure began. None when there is no
// such exception.
std::optional<UncaughtException> parseUncaughtException(QStringView errors, QStringView sourceFile,
                                                        QStringView package);

// "经由第 12 行、第 20 行的调用" for the caller lines, at most a few of
// them; "" for none.
QString callerLinesText(const QList<int> &lines);

} // namespace qm::build
