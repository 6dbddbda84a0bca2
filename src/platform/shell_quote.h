#pragma once

#include <QString>

namespace qm {

// Quotes a text as one word for a POSIX shell: inside single quotes nothing
// expands, and each ' inside becomes '\''.
QString shellQuote(const QString &text);

} // namespace qm
