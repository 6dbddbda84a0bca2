#pragma once
// Plain Chinese explanations of the javac errors learners meet most and of
// the exceptions their programs throw, one line each with the usual fix,
// from the table explanations.tsv in the resources.

#include "build/javac_diagnostics.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace qm::build {

struct Explanation {
    QString key;         // javac's message key, or the exception's class
    QString english;     // javac: its message's first line as a template; an
    QString chinese;     //   exception: its message, "" for any (chinese "")
    QString explanation; // what the learner reads

    bool isException() const { return !key.startsWith(QLatin1String("compiler.")); }
};

// The table, in its order; the first entry that matches a message wins.
const QList<Explanation> &explanations();

// Whether `message` reads as `pattern` with each {n} filled in; '' in the
// pattern is one quote, as in javac's catalogues.
bool matchesTemplate(QStringView pattern, QStringView message);

// The explanation of one of javac's errors or warnings, English or Chinese;
// "" when the table has none.
QString explain(const Diagnostic &diagnostic);

// The explanation of an uncaught exception of class `className`
// ("java.lang.ArithmeticException") with `message` ("/ by zero"); "" when none.
QString explainException(QStringView className, QStringView message);

} // namespace qm::build
