#include "workspace/main_window.h"

#include "startup/initialisation.h"

namespace qm {

MainWindow::MainWindow(ProgramState &state, QWidget *parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("Frm_java"));
    setWindowTitle(QStringLiteral("QuillmossJava编译器 v1.05"));
    m_state.settings = initialiseSettings(m_state.programDir);
}

void MainWindow::showAtStart() {
    show();
}

} // namespace qm
