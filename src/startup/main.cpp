// The program's entry: prepares the skin file, runs the main window's
// initialisation (the settings load and the first-start step), clears what a
// killed run left behind, creates and shows the main window, opens the file named on the command
// line if any, has javac's archive made in the background when there is none, then runs the
// event loop until the window has gone.
#include "build/javac_archive.h"
#include "platform/platform.h"
#include "startup/chinese_catalogue.h"
#include "startup/initialisation.h"
#include "startup/leftovers.h"
#include "startup/skin.h"
#include "workspace/main_window.h"
#include "workspace/source_keeper.h"

#include <QApplication>
#include <QTimer>

namespace qm {

namespace {
// Work for later builds waits until the window has been drawn.
constexpr int kAfterFirstPaintMilliseconds = 1500;
} // namespace

int Main(int argc, char *argv[]) {
    platform::surviveFileSizeLimit(); // a save that hits the limit must fail, not end the program
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmoss-java"));
    // Lets the desktop match the window to its entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("quillmoss-java"));
    installChineseCatalogues(app);

    ProgramState state;
    state.programDir = platform::programDirectory();
    ensureSkinFile(state.programDir);
    app.setStyleSheet(readSkin(state.programDir));

    state.settings = initialiseSettings(state.programDir, &state.pathMapped);
    clearLeftovers(state.programDir, state.settings.Path);
    Frm_java window(state);
    window.showAtStart();
    if (const auto file = fileArgument(QCoreApplication::arguments()))
        window.openAtStart(*file);
    // javac's archive is made before the first build needs it, not after.
    QTimer::singleShot(kAfterFirstPaintMilliseconds,
                       [] { build::makeArchiveIfMissing(platform::cacheDirectory()); });
    return QApplication::exec();
}

} // namespace qm

int main(int argc, char *argv[]) {
    return qm::Main(argc, argv);
}
