#pragma once
// A console's private run folder: only this user may enter it, and no other
// console, build or run of the program shares it. The launcher keeps the
// wrapper and its pipe there; a build keeps there what is its own alone:
// the script that runs (nobody can replace it between its writing and its
// run), the source copy, javac's output and the class files. It goes when
// the object does; one a killed run left is removed at a later start.

#include <QString>
#include <QTemporaryDir>

namespace qm {

class RunFolder {
public:
    // Under XDG_RUNTIME_DIR, else the temporary folder.
    RunFolder();

    bool isValid() const { return folder.isValid(); }
    QString path() const { return folder.path(); }
    QString filePath(const QString &name) const { return folder.filePath(name); }

private:
    QTemporaryDir folder;
};

// Removes the run folders of runs of the program that have ended (killed,
// say) and whose console is over too: no wrapper holds its pipe any more.
void removeStaleRunFolders();

} // namespace qm
