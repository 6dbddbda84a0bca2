#include "workspace/class_scan.h"

#include <QList>
#include <QStringView>

namespace qm {

namespace {

constexpr QStringView kClass = u"class";
constexpr QStringView kMainHeader = u"public static void main";

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

// First occurrence at or after a position, for positions asked in rising
// order: each stretch of the text is searched once however often it is asked.
class NextOccurrence {
public:
    NextOccurrence(QStringView text, QStringView needle) : m_text(text), m_needle(needle) {}

    qsizetype from(qsizetype position) {
        if (m_found != -1 && m_found < position)
            m_found = m_text.indexOf(m_needle, position);
        return m_found;
    }

private:
    QStringView m_text;
    QStringView m_needle;
    qsizetype m_found = -2; // not searched yet; -1 once nothing is left
};

QList<qsizetype> positionsOf(QStringView text, QStringView needle) {
    QList<qsizetype> positions;
    for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1))
        positions.append(at);
    return positions;
}

// StringFormat2 of text[begin, end) cut at its first space, without copying
// more than the name itself, and never more than kMaxNameLength characters.
QString nameBetween(QStringView text, qsizetype begin, qsizetype end) {
    while (begin < end && (text[begin] == u' ' || isLineBreak(text[begin])))
        ++begin;
    qsizetype stop = begin;
    qsizetype kept = 0;
    bool hasLineBreak = false;
    for (; stop < end && text[stop] != u' ' && kept < kMaxNameLength; ++stop) {
        const bool lineBreak = isLineBreak(text[stop]);
        hasLineBreak = hasLineBreak || lineBreak;
        kept += lineBreak ? 0 : 1;
    }
    QString name = text.sliced(begin, stop - begin).toString();
    if (hasLineBreak)
        name.remove(u'\r').remove(u'\n');
    return name;
}

} // namespace

QString StringFormat2(const QString &text) {
    QString rest = text;
    rest.remove(u'\r').remove(u'\n');
    qsizetype begin = 0;
    qsizetype end = rest.size();
    while (begin < end && rest[begin] == u' ')
        ++begin;
    while (end > begin && rest[end - 1] == u' ')
        --end;
    return rest.mid(begin, end - begin);
}

ClassScan scanMainClass(const QString &text) {
    const QStringView view(text);
    const QList<qsizetype> classes = positionsOf(view, kClass);
    ClassScan scan;
    scan.ClassCount = static_cast<int>(classes.size());
    scan.ClassNames = QStringList(classes.size(), QString());

    NextOccurrence brace(view, u"{");
    NextOccurrence header(view, kMainHeader);
    bool chosen = false;
    for (qsizetype k = 0; k < classes.size(); ++k) {
        const qsizetype at = classes[k];
        const qsizetype nameStart = at + kClass.size();
        const qsizetype open = brace.from(at);
        if (open <= nameStart)
            break; // no brace after this one, or no room for a name: the scan ends here
        QString name = nameBetween(view, nameStart, open);
        if (!chosen) {
            const qsizetype next = k + 1 < classes.size() ? classes[k + 1] : -1;
            // A missing header (-1) sorts before any later class, as in a plain search.
            if (next < 0 || header.from(at + 1) < next) {
                scan.fileName = name;
                chosen = true;
            }
        }
        scan.ClassNames[k] = std::move(name);
    }
    return scan;
}

} // namespace qm
