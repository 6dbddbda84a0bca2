#pragma once

#include <QString>

class QDialog;

namespace qm {

// Makes a secondary window a modal dialog of fixed size with only a close
// button, named and titled, with its own style sheet.
void makeFixedDialog(QDialog *dialog, const char *name, const QString &title,
                     const char *styleSheet);

} // namespace qm
