#include "controls/fixed_dialog.h"

#include <QDialog>

namespace qm {

void makeFixedDialog(QDialog *dialog, const char *name, const QString &title,
                     const char *styleSheet) {
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setModal(true);
    dialog->setStyleSheet(QLatin1String(styleSheet));
}

} // namespace qm
