#pragma once
// Geometry of the main window for a given screen, in twips.

#include "controls/twips_layout.h"

#include <QSizeF>
#include <array>

namespace qm {

// The main window's placed controls. Txt_edit lies in Fra_edit; Lab_table
// through Cmd_end lie in Fra_set; the rest in the window.
// clang-format off
#define QM_MAIN_CONTROLS(X) \
    /* the top strip */ \
    X(SkinButton, Cmd_save) X(SkinButton, Cmd_byyx) X(SkinButton, Cmd_about) X(QLabel, Pic_sky) \
    /* the editing area */ \
    X(QGroupBox, Fra_edit) X(QsciScintilla, Txt_edit) \
    /* the settings frame: the directory row, then the file row */ \
    X(QGroupBox, Fra_set) X(QLabel, Lab_table) X(QLineEdit, Txt_table) \
    X(QLabel, Lab_file) X(QLineEdit, Txt_file) X(QLineEdit, Txt_backname) \
    X(SkinButton, Cmd_open) X(SkinButton, Cmd_set) X(SkinButton, Cmd_help) X(SkinButton, Cmd_end)
// clang-format on

QM_DECLARE_CONTROLS(MainControl, MainLayout, QM_MAIN_CONTROLS);

// The window as designed, before any screen is taken into account.
MainLayout designLayout();

// The main window scaled to the screen's height at its reference aspect ratio,
// the editor and the settings row stretched by the difference, the button row
// compacted on an 800 x 600 screen of 15 twips per pixel (and packed the same
// way on any screen where the file row would not fit its frame otherwise),
// and `Mode` added to the height last. A width or height that would turn negative keeps its
// previous value, and the remaining steps still apply.
MainLayout ResizeInit(QSizeF screenTwips, int Mode);

// How much smaller than designed the stretched fields' texts are drawn on
// this screen: ResizeInit shrinks the window and those fields with the
// screen's height in twips (a larger system font gives fewer twips), and
// their fonts shrink with them. Never larger than designed, and never below half.
double fontScale(QSizeF screenTwips);

} // namespace qm
