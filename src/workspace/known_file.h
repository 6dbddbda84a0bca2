#pragma once
// The file the window opened or last saved, as it was then: a save replaces
// that file without asking, and no other.

#include <QByteArray>
#include <QString>

namespace qm {

class KnownFile {
public:
    // After the file at `path` was read or written whole; `bytes` is what it
    // then held.
    void remember(const QString &path, const QByteArray &bytes);

    // Whether writing `bytes` to `path` would replace something the window
    // does not know: a file is there, it is not the remembered one as it was
    // (a file changed on disk since is not), and it does not hold `bytes`
    // already. Nothing there, or a folder (the write fails), replaces nothing.
    bool replacesOther(const QString &path, const QByteArray &bytes) const;

private:
    QString canonicalPath; // "" while no file is known
    qint64 size = -1;
    QByteArray digest;
};

} // namespace qm
