#pragma once

#include "settings/settings.h"
#include "workspace/class_scan.h"
#include "workspace/main_form.h"
#include "workspace/workspace_state.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

class QDropEvent;

namespace qm {

class Prompter;
class OpenFileChooser;
class SourceKeeper;
class BuildRunner;
class FindBar;
class LineJumpBar;

// What the main window asks of the outside world; tests substitute their own.
struct MainWindowServices {
    Prompter *prompter = nullptr;              // message boxes; the real ones when null
    OpenFileChooser *chooser = nullptr;        // the open dialog; the real one when null
    std::function<void(const QUrl &)> openUrl; // links of the about window
    std::function<void()> buildLikely;         // the text changed; warms javac when null
};

// The main window: the editor, the directory and file-name fields and the
// buttons. The window only wires the controls to the pieces that do the work.
// `state.settings` must be loaded before it is created.
class Frm_java : public QWidget {
    Q_OBJECT
public:
    explicit Frm_java(ProgramState &state, MainWindowServices services = {},
                      QWidget *parent = nullptr);
    ~Frm_java() override;

    // The load step, then show.
    void showAtStart();
    // The load step alone (tests call it without showing the window).
    void load();

    // Opens the file named on the command line: a program started to read a
    // file starts nothing for builds until the text is changed.
    void openAtStart(const QString &file);

    const MainForm &form() const { return mainForm; }
    const WorkspaceState &workspace() const { return workspaceState; }
    SourceKeeper &keeper() { return *sourceKeeper; }

protected:
    void closeEvent(QCloseEvent *event) override;
    // Files dragged from a file manager, over any part of the window.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wire();
    void acceptFileDrops();
    void watchFileDrops(QWidget *root);
    FindBar *finder();
    LineJumpBar *lineJumper();
    bool fileDragged(QDropEvent *event);
    void wireKeys();
    void applyLayout();
    void editorChanged();
    void directoryChanged();
    void saveSettingsClicked();
    void exitClicked();
    void openHelp();
    void openAbout();
    void closeSecondaryWindows();

    ProgramState &state;
    MainWindowServices services;
    std::unique_ptr<Prompter> ownPrompter;
    std::unique_ptr<OpenFileChooser> ownChooser;
    MainForm mainForm;
    WorkspaceState workspaceState;
    MainClassScanner classScanner;
    SourceKeeper *sourceKeeper = nullptr;
    BuildRunner *buildRunner = nullptr;
    FindBar *findBar = nullptr;
    LineJumpBar *lineJumpBar = nullptr;
    QPointer<QWidget> helpWindow;
    QPointer<QWidget> aboutWindow;
    bool readingOnly = false; // changes come from opening the start's file
};

} // namespace qm
