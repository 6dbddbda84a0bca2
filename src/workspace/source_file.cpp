#include "workspace/source_file.h"

#include "platform/platform.h"
#include "platform/text_decoding.h"

#include <QFileInfo>
#include <QStringEncoder>

namespace qm {

QByteArrayView cutAfterLastBrace(QByteArrayView utf8) {
    const qsizetype last = utf8.lastIndexOf('}');
    return last < 0 ? utf8 : utf8.first(last + 1);
}

QString baseNameOrDefault(const QString &nameField) {
    return nameField.isEmpty() ? QStringLiteral("None_Name") : nameField;
}

std::optional<QString> sourcePath(const QString &directoryField, const QString &nameField) {
    const QString fileName = baseNameOrDefault(nameField) + QStringLiteral(".java");
    if (!platform::fileNameUsable(fileName))
        return std::nullopt;
    return platform::joinPath(directoryField, fileName);
}

QString saveQuestion(const QString &directoryField, const QString &nameField) {
    return QStringLiteral("将改动保存到 ") + directoryField + platform::separator() + nameField +
           QStringLiteral(".java？");
}

QString largeFileQuestion(const QString &path, qint64 size) {
    const double megabytes = double(size) / (1024 * 1024);
    return QStringLiteral("“%1”有 %2 MB，不像是 Java 源文件。\n"
                          "打开这么大的文件要等很久，编辑也会很慢。仍要打开吗？")
        .arg(QFileInfo(path).fileName())
        .arg(megabytes, 0, 'f', 0);
}

QString unusableNameText() {
    return QStringLiteral("“文件”中的名称不能用作文件名：名称中不能含有 %1，也不能过长。\n"
                          "请改正“文件”中的名称后再保存。")
        .arg(platform::shownForbiddenCharacters());
}

QString overwriteQuestion(const QString &path) {
    return QStringLiteral("“%1”已经存在，其中保存的是另一个程序。\n"
                          "要用编辑区中的程序替换它吗？")
        .arg(path);
}

QString decodeSource(const QByteArray &bytes) {
    return withLineEnds(decodeText(bytes), platform::lineEnd());
}

QString withLineEnds(const QString &text, const QString &lineEnd) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            out += lineEnd;
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out += lineEnd;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray encodeSource(const QString &text) {
    QStringEncoder encode(QStringConverter::System);
    return encode(text + platform::lineEnd());
}

} // namespace qm
