#pragma once
// Reading and writing the user's Java source, without widgets.

#include <QByteArray>
#include <QString>
#include <optional>

namespace qm {

// Everything up to and including the last "}", or the whole text when there is none.
QString cutAfterLastBrace(const QString &text);

// The file's base name: the file-name field, or "None_Name" when it is empty.
QString baseNameOrDefault(const QString &nameField);

// Full path the source is saved under, or nothing when the name would leave
// the directory (it holds a separator).
std::optional<QString> sourcePath(const QString &directoryField, const QString &nameField);

// "将改动保存到 <dir>/<name>.java？", with both fields shown as they stand.
QString saveQuestion(const QString &directoryField, const QString &nameField);

// A file's text: UTF-8 when it is valid UTF-8, otherwise GB18030 (what
// Chinese Windows writes), so no byte is replaced by a substitute character.
QString decodeSource(const QByteArray &bytes);

// The text followed by one line end, in the system's encoding.
QByteArray encodeSource(const QString &text);

} // namespace qm
