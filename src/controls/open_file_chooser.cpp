#include "controls/open_file_chooser.h"

#include <QFileDialog>

namespace qm {

std::optional<QString> DialogOpenFileChooser::chooseOpenFile(QWidget *parent,
                                                             const QString &filter) {
    const QString directory = start ? start() : QString();
    const QString path =
        QFileDialog::getOpenFileName(parent, QStringLiteral("打开"), directory, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace qm
