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
    QM_MAIN_CONTROLS(QM_CONTROL_MEMBER)
    QTimer *Tim_color = nullptr;

    // The control a layout key stands for.
    QWidget *operator[](MainControl c) const;
};

// Creates every control as a child of `window` and sets the focus order.
MainForm buildMainForm(QWidget *window);

} // namespace qm
