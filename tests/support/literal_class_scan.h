#pragma once
// Reference for the step-by-step rule the main-class scan keeps where it named
// the right type (stepByStepName): the procedure written step by step with
// 1-based positions and a fresh search for every question, quadratic on long
// texts.

#include "build/java_names.h"
#include "build/java_outline.h"
#include "workspace/class_scan.h"

#include <QString>
#include <QStringList>

namespace qm::literal {

// 1-based position of the first occurrence at or after `from`, 0 when none.
inline qsizetype search(const QString &text, const QString &what, qsizetype from) {
    return text.indexOf(what, from - 1) + 1;
}

inline QString stringFormat2(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    while (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

inline ClassScan scanMainClass(const QString &text,
                               QString fileName = QStringLiteral("Class_Name")) {
    const QString cls = QStringLiteral("class");
    const QString header = QStringLiteral("public static void main");
    ClassScan scan;
    for (qsizetype p = 1;;) {
        const qsizetype q = search(text, cls, p);
        if (q == 0)
            break;
        scan.ClassCount += 1;
        p = q + 1;
    }
    scan.ClassNames = QStringList(scan.ClassCount, QString());
    qsizetype k = 0;
    qsizetype from = 1;
    bool chosen = false;
    for (;;) {
        const qsizetype a = search(text, cls, from);
        if (a == 0) {
            if (!chosen)
                fileName = QString();
            break;
        }
        from = a + 1;
        const qsizetype b = search(text, QStringLiteral("{"), a);
        const qsizetype n = b - (a + 5);
        if (n <= 0) {
            if (!chosen)
                fileName = QString();
            break;
        }
        QString name = stringFormat2(text.mid(a + 5 - 1, n));
        if (name.contains(QLatin1Char(' ')))
            name = name.left(name.indexOf(QLatin1Char(' ')));
        const qsizetype c = search(text, cls, from);
        const qsizetype m = search(text, header, from);
        if (!chosen && (c == 0 || m < c)) {
            fileName = name;
            chosen = true;
        }
        scan.ClassNames[k] = name;
        k += 1;
    }
    scan.fileName = fileName;
    return scan;
}

// The names as the program keeps them: at most kMaxTypeNameLength characters,
// then cut to their leading Java identifier.
inline QString keptName(QString name) {
    name.truncate(build::kMaxTypeNameLength);
    return build::leadingJavaIdentifier(name);
}

inline ClassScan keptNames(ClassScan scan) {
    scan.fileName = keptName(scan.fileName);
    for (QString &name : scan.ClassNames)
        name = keptName(name);
    return scan;
}

} // namespace qm::literal
