// The program's entry: prepares the skin file, runs the main window's
// initialisation (the settings load and the first-start step), creates and
// shows the main window, then runs the event loop until it has gone.
#include "startup/initialisation.h"
#include "startup/platform/platform.h"
#include "startup/skin.h"
#include "workspace/main_window.h"

#include <QApplication>

namespace qm {

int Main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmoss-java"));

    ProgramState state;
    state.programDir = platform::programDirectory();
    ensureSkinFile(state.programDir);
    app.setStyleSheet(readSkin(state.programDir));

    state.settings = initialiseSettings(state.programDir);
    Frm_java window(state);
    window.showAtStart();
    return QApplication::exec();
}

} // namespace qm

int main(int argc, char *argv[]) {
    return qm::Main(argc, argv);
}
