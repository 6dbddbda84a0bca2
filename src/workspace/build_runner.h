#pragma once
// "编译+运行": hands the editor's text to the build and reports the one
// failure the user must hear about, a missing terminal.

#include <QObject>

namespace qm {

struct ProgramState;
struct MainForm;
struct WorkspaceState;
class Prompter;

class BuildRunner : public QObject {
    Q_OBJECT
public:
    BuildRunner(QWidget *owner, ProgramState &programState, const MainForm &controls,
                const WorkspaceState &workspaceState, Prompter &prompts);

    void Comp();

private:
    QWidget *window;
    ProgramState &state;
    const MainForm &form;
    const WorkspaceState &workspace;
    Prompter &prompter;
};

} // namespace qm
