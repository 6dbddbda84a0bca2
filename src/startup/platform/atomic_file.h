#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// Replaces the file at `path` with `bytes` in one step: a temporary file in
// the same directory is written, checked and renamed over the old one, so a
// failed or interrupted write leaves the previous file whole.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace qm
