#pragma once
// Qt's own texts in Chinese, whatever the locale, since every text of the
// program is: the buttons of message boxes ("确定"), the file dialog, the
// editor's context menu.

class QCoreApplication;

namespace qm {

// Loads Qt's Chinese catalogue and QScintilla's where they are installed;
// without QScintilla's, the few texts of the editor's menu come from the
// program itself. Returns how many installed catalogues were loaded.
int installChineseCatalogues(QCoreApplication &app);

} // namespace qm
