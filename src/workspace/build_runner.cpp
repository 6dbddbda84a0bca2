#include "workspace/build_runner.h"

#include "build/comp.h"
#include "settings/settings.h"
#include "startup/prompter.h"
#include "workspace/main_form.h"
#include "workspace/workspace_state.h"

#include <QLineEdit>
#include <QWidget>
#include <Qsci/qsciscintilla.h>

namespace qm {

BuildRunner::BuildRunner(QWidget *window, ProgramState &state, const MainForm &form,
                         const WorkspaceState &workspace, Prompter &prompter)
    : QObject(window), m_window(window), m_state(state), m_form(form), m_workspace(workspace),
      m_prompter(prompter) {}

void BuildRunner::Comp() {
    const RunValues &run = m_state.run;
    const build::BuildRequest request{m_state.settings.Path,
                                      m_form.Txt_edit->text(),
                                      m_form.Txt_file->text(),
                                      run.CompType,
                                      run.ApHeight,
                                      run.ApWidth};
    // The clean-up reads the values as they are once the console has closed.
    const auto afterRun = [this] {
        return build::AfterRunValues{m_state.settings.Path, m_state.settings.Class,
                                     m_workspace.ClassNames, m_workspace.ClassCount};
    };
    if (build::Comp(request, afterRun) == build::BuildOutcome::NoTerminal)
        m_prompter.showError(m_window, build::noTerminalTitle(), build::noTerminalText());
}

} // namespace qm
