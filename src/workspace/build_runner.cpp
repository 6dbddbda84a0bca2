#include "workspace/build_runner.h"

#include "build/comp.h"
#include "build/exception_trace.h"
#include "build/java_names.h"
#include "build/javac_diagnostics.h"
#include "controls/prompter.h"
#include "settings/settings.h"
#include "workspace/diagnostic_marks.h"
#include "workspace/editor_text.h"
#include "workspace/main_form.h"
#include "workspace/workspace_state.h"

#include <QLineEdit>
#include <QWidget>
#include <Qsci/qsciscintilla.h>

namespace qm {

BuildRunner::BuildRunner(QWidget *owner, ProgramState &programState, const MainForm &controls,
                         const WorkspaceState &workspaceState, Prompter &prompts)
    : QObject(owner), window(owner), state(programState), form(controls), workspace(workspaceState),
      prompter(prompts), diagnostics(new DiagnosticMarks(controls.Txt_edit)) {}

void BuildRunner::buildClicked() {
    const RunValues &run = state.run;
    const QByteArray compiled = editorBytes(form.Txt_edit);
    const build::BuildRequest request{state.settings.Path,   QString::fromUtf8(compiled),
                                      form.Txt_file->text(), run.CompType,
                                      run.ApHeight,          run.ApWidth};
    // The clean-up reads the values as they are once the console has closed.
    const auto afterRun = [this] {
        return build::AfterRunValues{state.settings.Path, state.settings.Class,
                                     workspace.ClassNames, workspace.ClassCount};
    };
    diagnostics->clear();
    const build::BuildResult result = build::Comp(request, afterRun);
    const QString refusal = build::refusalText(result);
    if (!refusal.isEmpty())
        prompter.showError(window, build::messageTitle(), refusal);
    // Marks point at lines of the compiled text; after an edit during the run
    // they could point anywhere.
    if (result.javacOutputRead && editorBytes(form.Txt_edit) == compiled) {
        const QString sourceFile = request.fileName + QStringLiteral(".java");
        diagnostics->show(
            build::parseJavacDiagnostics(result.javacOutput, sourceFile),
            build::parseUncaughtException(result.programErrors, sourceFile,
                                          build::declaredPackage(request.sourceText)));
    }
}

} // namespace qm
