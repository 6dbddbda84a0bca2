#include "options/help_text.h"

#include "resources/resources.h"

#include <QFile>

namespace qm {

QString helpText() {
    initResources();
    QFile file(QStringLiteral(":/quillmoss/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    // A checkout with CR LF line ends must not show empty lines twice.
    text.remove(QLatin1Char('\r'));
    return text;
}

} // namespace qm
