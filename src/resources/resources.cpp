#include "resources/resources.h"

#include <QFile>
#include <QRegularExpression>
#include <QtGlobal>

static void initQuillmossResources() {
    Q_INIT_RESOURCE(quillmoss);
}

namespace qm {

void initResources() {
    static const bool done = [] {
        initQuillmossResources();
        return true;
    }();
    Q_UNUSED(done);
}

QString resourceText(const QString &name) {
    initResources();
    QFile file(QStringLiteral(":/quillmoss/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString fillMarks(const QString &text, const QHash<QString, QString> &values) {
    static const QRegularExpression mark(QStringLiteral("@([a-z][a-z0-9_]*)@"));
    QString filled;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : mark.globalMatch(text)) {
        const auto value = values.constFind(match.captured(1));
        if (value == values.cend())
            continue;
        filled += QStringView(text).mid(done, match.capturedStart() - done);
        filled += *value;
        done = match.capturedEnd();
    }
    filled += QStringView(text).mid(done);
    return filled;
}

} // namespace qm
