#include "workspace/dropped_file.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <algorithm>

namespace qm {

namespace {

bool isText(const QString &path) {
    static const QString kText = QStringLiteral("text/plain");
    const QMimeDatabase mimes;
    // The name decides for the usual sources; the content for odd names
    // such as "Hello.java.bak" or a file without any suffix.
    return mimes.mimeTypeForFile(path).inherits(kText) ||
           mimes.mimeTypeForFile(path, QMimeDatabase::MatchContent).inherits(kText);
}

} // namespace

bool namesLocalFiles(const QList<QUrl> &urls) {
    return !urls.isEmpty() &&
           std::all_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); });
}

std::optional<QString> droppedSourceFile(const QList<QUrl> &urls) {
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QString path = urls.front().toLocalFile();
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || !isText(path))
        return std::nullopt;
    return path;
}

} // namespace qm
