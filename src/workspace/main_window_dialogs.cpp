// The two secondary windows, opened modally from the main window's buttons.
#include "about/about_window.h"
#include "options/help_window.h"
#include "workspace/main_window.h"

namespace qm {

void Frm_java::openHelp() {
    Frm_help help(state, this);
    helpWindow = &help;
    help.exec();
}

void Frm_java::openAbout() {
    Frm_about about(state, this, services.openUrl);
    aboutWindow = &about;
    about.exec();
}

} // namespace qm
