#pragma once

#include <QStringList>

namespace qm {

// What the main window knows about the text in its editor.
struct WorkspaceState {
    bool Saved = true;       // no unsaved changes
    bool DirInvalid = false; // directory judged unusable, or the last save failed
    int ClassCount = 0;      // occurrences of "class" at the last edit
    QStringList ClassNames;  // the names after them, for the build's clean-up
};

} // namespace qm
