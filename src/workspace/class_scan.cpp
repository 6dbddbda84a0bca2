#include "workspace/class_scan.h"

#include "build/java_names.h"
#include "build/java_outline.h"

#include <QList>

#include <algorithm>

namespace qm {

namespace {

using build::TopLevelType;

// First occurrence at or after a position, for positions asked in rising
// order: each stretch of the text is searched once however often it is asked.
class NextOccurrence {
public:
    NextOccurrence(QByteArrayView haystack, QByteArrayView what) : text(haystack), needle(what) {}

    qsizetype from(qsizetype position) {
        if (found != -1 && found < position)
            found = text.indexOf(needle, position);
        return found;
    }

private:
    QByteArrayView text;
    QByteArrayView needle;
    qsizetype found = -2; // not searched yet; -1 once nothing is left
};

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// text[begin, end) without line breaks and leading spaces, cut at its first
// space, copying no more than a name can hold.
QString nameBetween(QByteArrayView text, qsizetype begin, qsizetype end) {
    while (begin < end && (text[begin] == ' ' || isLineBreak(text[begin])))
        ++begin;
    QByteArray name;
    for (qsizetype at = begin; at < end && text[at] != ' '; ++at) {
        if (name.size() == 4 * build::kMaxTypeNameLength)
            break;
        if (!isLineBreak(text[at]))
            name += text[at];
    }
    QString kept = QString::fromUtf8(name);
    kept.truncate(build::kMaxTypeNameLength);
    return build::leadingJavaIdentifier(kept);
}

const TopLevelType *firstOf(const QList<TopLevelType> &types,
                            bool (*wanted)(const TopLevelType &)) {
    const auto found = std::find_if(types.cbegin(), types.cend(), wanted);
    return found == types.cend() ? nullptr : &*found;
}

bool isPublic(const TopLevelType &type) {
    return type.isPublic;
}

bool holdsMain(const TopLevelType &type) {
    return type.holdsMain;
}

bool isPublicWithMain(const TopLevelType &type) {
    return type.isPublic && type.holdsMain;
}

QString mainHolder(const QList<TopLevelType> &types, QByteArrayView utf8) {
    const auto holders = std::count_if(types.cbegin(), types.cend(), holdsMain);
    if (holders == 0)
        return {};
    if (holders > 1) {
        const QString earlier = stepByStepName(utf8);
        const auto named = [&](const TopLevelType &type) {
            return type.holdsMain && type.name == earlier;
        };
        if (std::any_of(types.cbegin(), types.cend(), named))
            return earlier;
    }
    return firstOf(types, holdsMain)->name;
}

QString chooseFileName(const QList<TopLevelType> &types, QByteArrayView utf8) {
    if (const TopLevelType *type = firstOf(types, isPublicWithMain))
        return type->name;
    if (const TopLevelType *type = firstOf(types, isPublic))
        return type->name;
    const QString holder = mainHolder(types, utf8);
    if (!holder.isEmpty() || types.isEmpty())
        return holder;
    return types.first().name;
}

ClassScan scanOf(const build::SourceOutline &outline, QByteArrayView utf8) {
    ClassScan scan;
    scan.fileName = chooseFileName(outline.topLevelTypes, utf8);
    scan.ClassCount = int(outline.typeNames.size());
    scan.ClassNames = outline.typeNames;
    return scan;
}

} // namespace

QString stepByStepName(QByteArrayView utf8) {
    static constexpr QByteArrayView kClass = "class";
    NextOccurrence brace(utf8, "{");
    NextOccurrence header(utf8, "public static void main");
    for (qsizetype at = utf8.indexOf(kClass); at >= 0;) {
        const qsizetype nameStart = at + kClass.size();
        const qsizetype open = brace.from(at);
        if (open <= nameStart)
            return {}; // no brace after this one, or no room for a name: the rule ends here
        const qsizetype next = utf8.indexOf(kClass, at + 1);
        // A missing header (-1) sorts before any later "class", as the rule has it.
        if (next < 0 || header.from(at + 1) < next)
            return nameBetween(utf8, nameStart, open);
        at = next;
    }
    return {};
}

ClassScan MainClassScanner::scan(QByteArrayView utf8) {
    return scanOf(reader.read(utf8), utf8);
}

ClassScan scanMainClassUtf8(QByteArrayView utf8) {
    return scanOf(build::outlineOf(utf8), utf8);
}

ClassScan scanMainClass(const QString &text) {
    return scanMainClassUtf8(text.toUtf8());
}

} // namespace qm
