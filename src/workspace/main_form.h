#pragma once
// The controls of the main window, created with their names, captions,
// colours and fonts. Geometry comes later from ResizeInit.

class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;
class QWidget;
class QsciScintilla;

namespace qm {

class SkinButton;

struct MainForm {
    SkinButton *Cmd_save = nullptr;
    SkinButton *Cmd_byyx = nullptr;
    SkinButton *Cmd_about = nullptr;
    QLabel *Pic_sky = nullptr;
    QGroupBox *Fra_edit = nullptr;
    QsciScintilla *Txt_edit = nullptr;
    QGroupBox *Fra_set = nullptr;
    QLabel *Lab_table = nullptr;
    QLineEdit *Txt_table = nullptr;
    QLabel *Lab_file = nullptr;
    QLineEdit *Txt_file = nullptr;
    QLineEdit *Txt_backname = nullptr;
    SkinButton *Cmd_open = nullptr;
    SkinButton *Cmd_set = nullptr;
    SkinButton *Cmd_help = nullptr;
    SkinButton *Cmd_end = nullptr;
    QTimer *Tim_color = nullptr;
};

// Creates every control as a child of `window` and sets the focus order.
MainForm buildMainForm(QWidget *window);

} // namespace qm
