#include "startup/controls/open_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace qm {

std::optional<QString> DialogOpenFileChooser::chooseOpenFile(QWidget *parent,
                                                             const QString &filter) {
    const QString path =
        QFileDialog::getOpenFileName(parent, QStringLiteral("打开"), lastDirectory, filter);
    if (path.isEmpty())
        return std::nullopt;
    lastDirectory = QFileInfo(path).absolutePath();
    return path;
}

} // namespace qm
