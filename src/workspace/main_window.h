#pragma once

#include "settings/settings.h"
#include "workspace/main_form.h"
#include "workspace/workspace_state.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace qm {

class Prompter;
class OpenFileChooser;
class SourceKeeper;
class BuildRunner;

// What the main window asks of the outside world; tests substitute their own.
struct MainWindowServices {
    Prompter *prompter = nullptr;              // message boxes; the real ones when null
    OpenFileChooser *chooser = nullptr;        // the open dialog; the real one when null
    std::function<void(const QUrl &)> openUrl; // links of the about window
};

// Frm_java: the editor, the directory and file-name fields and the buttons.
// The window only wires the controls to the pieces that do the work.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(ProgramState &state, MainWindowServices services = {},
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    // The load step, then show.
    void showAtStart();
    // The load step alone (tests call it without showing the window).
    void load();

    const MainForm &form() const { return m_form; }
    const WorkspaceState &workspace() const { return m_workspace; }
    SourceKeeper &keeper() { return *m_keeper; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void wire();
    void applyLayout();
    void editorChanged();
    void directoryChanged();
    void storeDirectory();
    void exitClicked();
    void openHelp();
    void openAbout();
    void closeSecondaryWindows();

    ProgramState &m_state;
    MainWindowServices m_services;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<OpenFileChooser> m_ownChooser;
    MainForm m_form;
    WorkspaceState m_workspace;
    SourceKeeper *m_keeper = nullptr;
    BuildRunner *m_builder = nullptr;
    QPointer<QWidget> m_help;
    QPointer<QWidget> m_about;
};

} // namespace qm
