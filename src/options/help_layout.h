#pragma once
// Geometry of the options and help window, in twips.

#include "controls/twips_layout.h"

#include <array>

namespace qm {

// Com_option lies in the window, drawn over the frame; the rest in Fra_help.
// clang-format off
#define QM_HELP_CONTROLS(X) \
    /* the help text and the lines around the option row */ \
    X(QGroupBox, Fra_help) X(QPlainTextEdit, Text1) X(QFrame, Line2) X(QFrame, Line3) \
    X(QFrame, Line1) \
    /* the option row */ \
    X(QCheckBox, Chk_class) X(QLabel, Lab_Height) X(QLineEdit, Txt_Height) X(UpDown, UD_turn) \
    X(QLabel, Lab_ti) X(SkinButton, Cmd_apply) \
    /* the build kind and the applet size */ \
    X(QLabel, Lab_option) X(QComboBox, Com_option) X(QLabel, Lab_apheight) \
    X(QLineEdit, Txt_apheight) X(QLabel, Lab_apwidth) X(QLineEdit, Txt_apwidth)
// clang-format on

QM_DECLARE_CONTROLS(HelpControl, HelpLayout, QM_HELP_CONTROLS);

// 5950 twips wide, 3759 + Mode high. The three lines are rectangles of no
// thickness; the window gives them one pixel.
HelpLayout helpLayout(int Mode);

} // namespace qm
