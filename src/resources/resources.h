#pragma once

#include <QHash>
#include <QString>

namespace qm {

// Makes the compiled-in images, texts and skin reachable under ":/quillmoss/".
void initResources();

// The text of the resource ":/quillmoss/<name>", read as UTF-8; "" when there
// is none.
QString resourceText(const QString &name);

// `text` with each mark "@name@" (a lower-case letter, then lower-case
// letters, digits and '_') replaced by values[name], in one pass: what a value
// holds is never taken for a mark. A mark without a value stays as it is. The
// values come quoted as the text's language needs.
QString fillMarks(const QString &text, const QHash<QString, QString> &values);

} // namespace qm
