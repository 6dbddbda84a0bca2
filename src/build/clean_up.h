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

// The files to delete, in order: the class files of the first `ClassCount`
// scanned names in the package's directory unless `Class` is not 0 (empty
// and unconfined names are skipped), then the source copy, the applet page
// and javac's output. `buildDirectory` ends with a separator.
QStringList filesToDelete(const QString &buildDirectory, const QString &name,
                          const QString &package, const QStringList &ClassNames, int ClassCount,
                          qint16 Class);

// Whether `fileName` is a class file javac writes for a class nested in one
// of the scanned names: "Hello$Inner.class", "Hello$1.class" for "Hello".
bool isNestedClassFile(const QString &fileName, const QStringList &ClassNames, int ClassCount);

// Deletes what filesToDelete names and, unless `Class` is not 0, the nested
// class files of the scanned names; then removes the package's directories
// that are left empty. Nothing outside the build directory is touched: a
// package directory that is a symbolic link keeps its content.
void removeBuildFiles(const QString &buildDirectory, const QString &name, const QString &package,
                      const QStringList &ClassNames, int ClassCount, qint16 Class);

} // namespace qm::build
