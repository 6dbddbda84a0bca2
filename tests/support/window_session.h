#pragma once
// One start of the main window for a test: its own settings directory with a
// stored Path, the settings load, message boxes and the open dialog answered
// by the test.

#include "fake_services.h"
#include "settings/settings_file.h"
#include "startup/initialisation.h"
#include "workspace/main_window.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace qm::testing {

struct WindowSession {
    enum class Start { Shown, Loaded };

    // The window lays itself out for `screen`, the primary one when null.
    explicit WindowSession(const QString &storedPath, Start start = Start::Shown,
                           QScreen *screen = nullptr) {
        state.programDir = programDir.path();
        WriteSettings(programDir.path(), Settings{1, 0, 0, storedPath});
        state.settings = initialiseSettings(programDir.path(), &state.pathMapped);
        window = std::make_unique<Frm_java>(
            state, MainWindowServices{&prompter, &chooser, {}, [this] { ++buildsExpected; }});
        if (screen)
            window->setScreen(screen);
        if (start == Start::Shown)
            window->showAtStart();
        else
            window->load();
    }

    const MainForm &f() const { return window->form(); }
    const WorkspaceState &ws() const { return window->workspace(); }
    void click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir programDir;
    ProgramState state;
    FakePrompter prompter;
    FakeChooser chooser;
    int buildsExpected = 0; // the window's calls for a warm javac, which none starts here
    std::unique_ptr<Frm_java> window;
};

} // namespace qm::testing
