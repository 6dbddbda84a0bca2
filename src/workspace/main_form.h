#pragma once
// The controls of the main window, created with their names, captions,
// colours and fonts. Geometry comes later from ResizeInit.

#include "workspace/main_layout.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;
class QWidget;
class QsciScintilla;

namespace qm {

class SkinButton;

struct MainForm {
    // The controls, and the one a layout key stands for.
    QM_FORM_CONTROLS(MainControl, QM_MAIN_CONTROLS);
    QTimer *Tim_color = nullptr;
};

// Creates every control as a child of `window` and sets the focus order.
MainForm buildMainForm(QWidget *window);

// The fonts of the controls the layout stretches with the screen (the
// editor, 目录, 文件 and the suffix) at `scale` times their design size, so
// their texts keep the room they have in the design when the layout shrinks
// them; the editor's never below a legible size. Buttons and labels keep
// their size in twips and so their fonts.
void fitFontsToLayout(const MainForm &form, double scale);

} // namespace qm
