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
    QM_ABOUT_CONTROLS(QM_CONTROL_MEMBER)

    // The control a layout key stands for.
    QWidget *operator[](AboutControl c) const;
};

// Creates every control in `window`.
AboutForm buildAboutForm(QWidget *window);

} // namespace qm
