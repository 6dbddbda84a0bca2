#pragma once
// Geometry of the main window for a given screen, in twips.

#include <QMap>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace qm {

struct MainLayout {
    QSizeF window; // outer size, frame included
    // Keyed by objectName. Txt_edit is relative to Fra_edit; Lab_table,
    // Txt_table, Lab_file, Txt_file, Txt_backname, Cmd_open, Cmd_set,
    // Cmd_help and Cmd_end are relative to Fra_set; the rest to the window.
    QMap<QString, QRectF> controls;

    QRectF operator[](const QString &objectName) const { return controls.value(objectName); }
};

// The main window scaled to the screen's height at its reference aspect ratio,
// the editor and the settings row stretched by the difference, the button row
// compacted on an 800 x 600 screen of 15 twips per pixel, and `mode` added to
// the height last. A width or height that would turn negative keeps its
// previous value, and the remaining steps still apply.
MainLayout ResizeInit(QSizeF screenTwips, int mode);

} // namespace qm
