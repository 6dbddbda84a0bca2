#include "workspace/build_runner.h"

#include "build/comp.h"
#include "settings/settings.h"
#include "startup/controls/prompter.h"
#include "workspace/main_form.h"
#include "workspace/workspace_state.h"

#include <QLineEdit>
#include <QWidget>
#include <Qsci/qsciscintilla.h>

namespace qm {

BuildRunner::BuildRunner(QWidget *owner, ProgramState &programState, const MainForm &controls,
                         const WorkspaceState &workspaceState, Prompter &prompts)
    : QObject(owner), window(owner), state(programState), form(controls), workspace(workspaceState),
      prompter(prompts) {}

void BuildRunner::Comp() {
    const RunValues &run = state.run;
    const build::BuildRequest request{state.settings.Path,   form.Txt_edit->text(),
                                      form.Txt_file->text(), run.CompType,
                                      run.ApHeight,          run.ApWidth};
    // The clean-up reads the values as they are once the console has closed.
    const auto afterRun = [this] {
        return build::AfterRunValues{state.settings.Path, state.settings.Class,
                                     workspace.ClassNames, workspace.ClassCount};
    };
    if (build::Comp(request, afterRun).outcome == build::BuildOutcome::NoTerminal)
        prompter.showError(window, build::noTerminalTitle(), build::noTerminalText());
}

} // namespace qm
