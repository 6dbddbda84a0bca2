#pragma once
// The controls of the about window, created with their names and texts;
// placed with aboutLayout.

#include "about/about_layout.h"

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace qm {

class LinkText;
class SkinButton;

struct AboutForm {
    // The controls, and the one a layout key stands for.
    QM_FORM_CONTROLS(AboutControl, QM_ABOUT_CONTROLS);
};

// Creates every control in `window`.
AboutForm buildAboutForm(QWidget *window);

} // namespace qm
