#pragma once
// Which file a drag from a file manager would open in the editor.

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace qm {

// Whether a drag is about files on this machine (rather than text or a web
// link), so the window handles it instead of the control under the pointer.
bool namesLocalFiles(const QList<QUrl> &urls);

// The one file to open from the dropped URLs: exactly one local, readable,
// regular file whose name or content says it is text (a .java source, a
// .txt, an extensionless text). Folders, several files, images and class
// files give nothing.
std::optional<QString> droppedSourceFile(const QList<QUrl> &urls);

} // namespace qm
