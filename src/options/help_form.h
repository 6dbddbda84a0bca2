#pragma once
// The controls of the options and help window, created with their names,
// texts and look; placed by placeHelpForm.

#include "options/help_layout.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace qm {

class SkinButton;
class UpDown;

struct HelpForm {
    QM_HELP_CONTROLS(QM_CONTROL_MEMBER)

    // The control a layout key stands for.
    QWidget *operator[](HelpControl c) const;
};

// Creates every control in `window` and sets the focus order.
HelpForm buildHelpForm(QDialog *window);

// Places the controls; the check box grows about its row when the style's
// indicator is taller than the row.
void placeHelpForm(const HelpForm &form, const HelpLayout &layout);

} // namespace qm
