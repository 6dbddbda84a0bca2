// The two secondary windows, opened modally from the main window's buttons.
#include "about/about_window.h"
#include "options/help_window.h"
#include "workspace/main_window.h"

namespace qm {

void MainWindow::openHelp() {
    HelpWindow help(m_state, this);
    m_help = &help;
    help.exec();
}

void MainWindow::openAbout() {
    AboutWindow about(m_state, this, m_services.openUrl);
    m_about = &about;
    about.exec();
}

} // namespace qm
