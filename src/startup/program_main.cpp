#include "startup/program_main.h"

#include "startup/platform.h"
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

    MainWindow window(state);
    window.showAtStart();
    return QApplication::exec();
}

} // namespace qm
