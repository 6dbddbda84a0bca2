#include "workspace/source_file.h"

#include "startup/platform/platform.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace qm {

QString cutAfterLastBrace(const QString &text) {
    const qsizetype last = text.lastIndexOf(QLatin1Char('}'));
    return last < 0 ? text : text.left(last + 1);
}

QString baseNameOrDefault(const QString &nameField) {
    return nameField.isEmpty() ? QStringLiteral("None_Name") : nameField;
}

std::optional<QString> sourcePath(const QString &directoryField, const QString &nameField) {
    if (nameField.contains(QLatin1Char('/')) || nameField.contains(QLatin1Char('\\')))
        return std::nullopt;
    return platform::joinPath(directoryField,
                              baseNameOrDefault(nameField) + QStringLiteral(".java"));
}

QString saveQuestion(const QString &directoryField, const QString &nameField) {
    return QStringLiteral("将改动保存到 ") + directoryField + platform::separator() + nameField +
           QStringLiteral(".java？");
}

QString decodeSource(const QByteArray &bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb18030("GB18030");
    return gb18030.isValid() ? QString(gb18030(bytes)) : text;
}

QByteArray encodeSource(const QString &text) {
    QStringEncoder encode(QStringConverter::System);
    return encode(text + platform::lineEnd());
}

} // namespace qm
