#pragma once
// What Java calls a name: identifiers and the package a source declares.
// The build needs both to name files javac accepts and to find the class
// files it writes.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace qm::build {

// Whether the code point may start, or continue, a Java identifier: letters
// of any script, letter numbers, currency symbols and connectors such as '_'
// may start one; digits and combining marks may follow.
bool isJavaIdentifierStart(char32_t c);
bool isJavaIdentifierPart(char32_t c);

// The Java identifier at the start of `text` after any tabs and form feeds
// (white space to javac, kept by the scan): "Box<T>" gives "Box",
// "\tHello" gives "Hello", "1st" and "<T>" give "".
QString leadingJavaIdentifier(QStringView text);

// Longest package name taken; a longer one cannot name directories javac
// could create.
inline constexpr qsizetype kMaxPackageLength = 1024;

// The package the source declares, as "a.b.c", or "" when it declares none.
// Java allows only white space and comments before the declaration, so only
// those are skipped; white space and comments may also stand between its
// words and dots. Anything else first, a malformed name, a missing ';' or a
// name longer than kMaxPackageLength gives "": javac then reports the fault.
// Comments are read as the main-class scan reads them (java_lexer.h).
QString declaredPackage(QStringView source);

// The names of the types the source declares with class, interface, enum or
// record (an annotation type too), nested ones as well, in order and each
// once; comments, strings, character literals and text blocks are skipped,
// and a class literal (Hello.class) declares nothing. These are the names of
// the class files javac writes, besides those of nested classes
// ("Outer$Inner") and anonymous ones ("Outer$1").
QStringList declaredTypeNames(QStringView source);

} // namespace qm::build
