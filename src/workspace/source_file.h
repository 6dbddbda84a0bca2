#pragma once
// Reading and writing the user's Java source, without widgets.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace qm {

// Everything up to and including the last "}" of the editor's UTF-8 text, or
// the whole text when there is none. A "}" byte never occurs inside a
// multi-byte character.
QByteArrayView cutAfterLastBrace(QByteArrayView utf8);

// The file's base name: the file-name field, or "None_Name" when it is empty.
QString baseNameOrDefault(const QString &nameField);

// Full path the source is saved under, or nothing when no file may have the
// name (platform::fileNameUsable): a separator would even leave the directory.
std::optional<QString> sourcePath(const QString &directoryField, const QString &nameField);

// "将改动保存到 <dir>/<name>.java？", with both fields shown as they stand.
QString saveQuestion(const QString &directoryField, const QString &nameField);

// Above this size a file is opened only after a question: no learner's
// source comes near it, and the editor would take long to show it.
inline constexpr qint64 kLargeSourceBytes = 50 * 1024 * 1024;

// The question before opening the file at `path` of `size` bytes.
QString largeFileQuestion(const QString &path, qint64 size);

// Why a save refused the name in 文件 (sourcePath gave nothing).
QString unusableNameText();

// Asked before a save replaces a file that holds another program.
QString overwriteQuestion(const QString &path);

// A file's text as the editor gets it: decoded as decodeText chooses (UTF-8,
// or GB18030 from Chinese Windows), NUL characters included, every line end
// (CR LF, CR or LF) made the system's, so a save writes one kind.
QString decodeSource(const QByteArray &bytes);

// The text with each CR LF, lone CR and lone LF replaced by `lineEnd`.
QString withLineEnds(const QString &text, const QString &lineEnd);

// The text followed by one line end, in the system's encoding.
QByteArray encodeSource(const QString &text);

} // namespace qm
