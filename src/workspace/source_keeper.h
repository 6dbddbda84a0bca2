#pragma once
// Open, save and the guard against losing unsaved work when leaving.

#include "workspace/known_file.h"

#include <QObject>

class QWidget;

namespace qm {

struct MainForm;
struct WorkspaceState;
class Prompter;
class OpenFileChooser;

class SourceKeeper : public QObject {
    Q_OBJECT
public:
    SourceKeeper(QWidget *owner, MainForm &controls, WorkspaceState &workspace, Prompter &prompts,
                 OpenFileChooser &fileChooser);

    // Writes the editor into directory/name.java. False (after telling the
    // user) when the directory or the name is unusable, the user would not
    // replace another program's file, or the write failed.
    bool Savefile();

    void saveClicked();
    void openClicked();
    // Opens `path` as "打开" would after choosing it, asking first when there
    // are unsaved changes. A file that cannot be read changes nothing.
    void openFile(const QString &path);

    // Whether the window may go: asks "保存确认" when there are unsaved changes.
    bool mayLeave();

    // The folder of the last file opened, by any way in; "" before the first.
    const QString &lastOpenedFolder() const { return openedFolder; }

private:
    void saveFailed();
    bool mayReplace(const QString &path, const QByteArray &bytes);
    void cutTrailingText(qsizetype keptBytes, const QString &name);
    void loadFile(const QString &path);

    QWidget *window;
    MainForm &form;
    WorkspaceState &state;
    Prompter &prompter;
    OpenFileChooser &chooser;
    QString openedFolder;
    KnownFile known; // the file opened or saved last
};

} // namespace qm
