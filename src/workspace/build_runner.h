#pragma once
// "编译+运行": hands the editor's text to the build, reports the failures
// the user must hear about (a missing terminal, a name in 文件 that no file
// can have, a build folder that may not be built in, files that could not
// be written), and once the console has closed shows javac's errors and
// warnings in the editor.

#include <QObject>

namespace qm {

struct ProgramState;
struct MainForm;
struct WorkspaceState;
class Prompter;
class DiagnosticMarks;

class BuildRunner : public QObject {
    Q_OBJECT
public:
    BuildRunner(QWidget *owner, ProgramState &programState, const MainForm &controls,
                const WorkspaceState &workspaceState, Prompter &prompts);

    // The click on 编译+运行.
    void buildClicked();

    const DiagnosticMarks &marks() const { return *diagnostics; }

private:
    QWidget *window;
    ProgramState &state;
    const MainForm &form;
    const WorkspaceState &workspace;
    Prompter &prompter;
    DiagnosticMarks *diagnostics = nullptr;
};

} // namespace qm
