#pragma once

#include <QStringList>

namespace qm {

// What the main window knows about the text in its editor.
struct WorkspaceState {
    bool Saved = true;       // no unsaved changes
    bool DirInvalid = false; // directory judged unusable, or the last save failed
    int ClassCount = 0;      // how many types the text declared at the last edit
    QStringList ClassNames;  // their names, nested ones too, for the build's clean-up
};

} // namespace qm
