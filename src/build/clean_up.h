#pragma once
// What a build removes from the build directory once its console has closed.

#include <QString>
#include <QStringList>

namespace qm::build {

// Whether D + name + suffix is a file directly inside the build directory D:
// no character a file name may not hold (a separator would reach another
// directory: the scan takes names from free text, and 文件 is typed freely)
// and neither "." nor "..". An empty name is confined (it gives ".java").
bool nameIsConfined(const QString &name);

// Where javac puts the classes of `package` ("a.b.c" gives "a/b/c/"), below
// the build directory; "" for none.
QString packageDirectory(const QString &package);

// The package's directories below `buildDirectory`, deepest first.
QStringList packageDirectories(const QString &buildDirectory, const QString &package);

// The files to delete: the class files of the first `ClassCount` scanned
// names in the package's directory, in order, unless `Class` is not 0 (empty
// and unconfined names are skipped). The copy, the page and javac's output
// lie in the build's run folder, which goes as a whole. `buildDirectory` ends
// with a separator.
QStringList filesToDelete(const QString &buildDirectory, const QString &package,
                          const QStringList &ClassNames, int ClassCount, qint16 Class);

// Whether `fileName` is the class file of one of `types` or of a class nested
// in one: "Hello.class", "Hello$Inner.class", "Hello$1.class" for "Hello".
bool isClassFileOf(const QString &fileName, const QStringList &types);

// What the build compiled, as the clean-up needs it.
struct CompiledSource {
    QString package;   // the package it declares, "" for none
    QStringList types; // the types it declares (declaredTypeNames)
};

// Deletes what filesToDelete names; unless `Class` is not 0 also the class
// files of the types the compiled source declares and of classes nested in
// them or in the scanned names, which an earlier build kept beside them; then
// removes the package's directories left empty. A build that still runs is
// not hurt: its classes are in its own run folder. Nothing outside the build directory
// is touched: a package directory that is a symbolic link keeps its content.
void removeBuildFiles(const QString &buildDirectory, const CompiledSource &compiled,
                      const QStringList &ClassNames, int ClassCount, qint16 Class);

} // namespace qm::build
