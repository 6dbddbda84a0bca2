#include "build/explanations.h"

#include "resources/resources.h"

namespace qm::build {

namespace {

Explanation parseLine(QStringView line) {
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() != 4 || fields[0].isEmpty() || fields[3].isEmpty())
        return {};
    return {fields[0].toString(), fields[1].toString(), fields[2].toString(), fields[3].toString()};
}

QList<Explanation> readTable() {
    QList<Explanation> table;
    const QString text = resourceText(QStringLiteral("explanations.tsv"));
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (Explanation entry = parseLine(line); !entry.key.isEmpty())
            table << entry;
    }
    return table;
}

// The part of a diagnostic's message after its kind word ("error: "), up to
// its first line end.
QStringView firstLineText(const QString &message) {
    QStringView line = QStringView(message).left(message.indexOf(u'\n'));
    const qsizetype colon = line.indexOf(u": ");
    return colon < 0 ? line : line.sliced(colon + 2);
}

// The literal runs of a pattern around its placeholders ({0}, {1}, ...):
// one more than there are placeholders. '' is one quote.
QStringList literalRuns(QStringView pattern) {
    QStringList runs{QString()};
    for (qsizetype at = 0; at < pattern.size();) {
        const qsizetype close = pattern.indexOf(u'}', at);
        if (pattern.sliced(at).startsWith(u"''")) {
            runs.last() += u'\'';
            at += 2;
        } else if (pattern[at] == u'{' && close > at) {
            runs << QString();
            at = close + 1;
        } else {
            runs.last() += pattern[at++];
        }
    }
    return runs;
}

} // namespace

const QList<Explanation> &explanations() {
    static const QList<Explanation> table = readTable();
    return table;
}

// The literal runs must follow each other in order, the first at the start
// and the last at the end; the leftmost place of each middle one leaves the
// most room for the rest.
bool matchesTemplate(QStringView pattern, QStringView message) {
    const QStringList runs = literalRuns(pattern);
    if (runs.size() == 1)
        return message == runs.first();
    if (!message.startsWith(runs.first()) || !message.endsWith(runs.last()))
        return false;
    qsizetype at = runs.first().size();
    const qsizetype end = message.size() - runs.last().size();
    for (qsizetype i = 1; i + 1 < runs.size() && at <= end; ++i) {
        const qsizetype found = message.indexOf(runs[i], at);
        if (found < 0)
            return false;
        at = found + runs[i].size();
    }
    return at <= end;
}

QString explain(const Diagnostic &diagnostic) {
    const QStringView text = firstLineText(diagnostic.message);
    for (const Explanation &entry : explanations()) {
        if (!entry.isException() &&
            (matchesTemplate(entry.english, text) || matchesTemplate(entry.chinese, text)))
            return entry.explanation;
    }
    return {};
}

QString explainException(QStringView className, QStringView message) {
    for (const Explanation &entry : explanations()) {
        if (entry.isException() && entry.key == className &&
            (entry.english.isEmpty() || entry.english == message))
            return entry.explanation;
    }
    return {};
}

} // namespace qm::build
