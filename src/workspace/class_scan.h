#pragma once
// Deriving the source's file name from its main class, on every edit.

#include "build/java_outline.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace qm {

struct ClassScan {
    QString fileName;       // what Txt_file shows after the scan
    int ClassCount = 0;     // how many types the text declares
    QStringList ClassNames; // their names, top-level and nested (build::declaredTypeNames)
};

// The main-class scan over the whole editor text, in one pass over its Java
// tokens: names never come from comments, strings or character literals.
// The file name is the type javac and java need it to be:
// 1. the public top-level type (with several, which javac refuses anyway,
//    the first that holds main, else the first);
// 2. else the top-level type that holds main; of several, the one the
//    step-by-step rule of earlier versions named, when it named one of them,
//    so that files named before keep their names; else the first;
// 3. else the first top-level type; else "".
ClassScan scanMainClass(const QString &text);

// The same scan over the UTF-8 bytes of the text, as the editor holds them,
// which spares converting the whole text on every keystroke.
ClassScan scanMainClassUtf8(QByteArrayView utf8);

// The scan of one editor, keystroke after keystroke: it reads again only from
// where the text changed (build::OutlineReader).
class MainClassScanner {
public:
    ClassScan scan(QByteArrayView utf8);

private:
    build::OutlineReader reader;
};

// The name the step-by-step rule of earlier versions gave: the text after the
// first "class" (anywhere, inside words and comments too) whose stretch up to
// the next "class" holds the exact header "public static void main", or that
// is the last one or has no header after it, cut to its leading identifier.
QString stepByStepName(QByteArrayView utf8);

} // namespace qm
