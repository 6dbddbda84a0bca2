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
    // The controls, and the one a layout key stands for.
    QM_FORM_CONTROLS(HelpControl, QM_HELP_CONTROLS);
};

// Creates every control in `window` and sets the focus order.
HelpForm buildHelpForm(QDialog *window);

// Places the controls; the check box grows about its row when the style's
// indicator is taller than the row.
void placeHelpForm(const HelpForm &form, const HelpLayout &layout);

} // namespace qm
