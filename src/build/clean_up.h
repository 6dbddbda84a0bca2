#pragma once
// What a build removes from the build directory once its console has closed.

#include <QString>
#include <QStringList>

namespace qm::build {

// Whether D + name + suffix stays inside the build directory D. The scan
// takes names from free text, so "class ../../x {" must not reach a file
// elsewhere. An empty name is confined (it gives ".java").
bool nameIsConfined(const QString &name);

// The files to delete, in order: the class files of the first `ClassCount`
// scanned names unless `Class` is not 0 (empty and unconfined names are
// skipped), then the source copy, the applet page and javac's output.
// `buildDirectory` ends with a separator.
QStringList filesToDelete(const QString &buildDirectory, const QString &name,
                          const QStringList &ClassNames, int ClassCount, qint16 Class);

} // namespace qm::build
