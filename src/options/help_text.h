#pragma once

#include <QString>

namespace qm {

// The four paragraphs of the options window's help, "\n" between lines.
QString helpText();

} // namespace qm
