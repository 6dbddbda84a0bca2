#include "workspace/class_scan.h"

#include "build/java_names.h"

#include <QByteArrayView>
#include <QList>
#include <QStringView>

namespace qm {

namespace {

// The scan only ever looks for ASCII text, and in UTF-8 no byte of a
// multi-byte character is ASCII, so it runs the same on UTF-16 code units and
// on UTF-8 bytes; only the names need decoding.
struct Utf16Text {
    using View = QStringView;
    static constexpr QStringView kClass = u"class";
    static constexpr QStringView kBrace = u"{";
    static constexpr QStringView kMainHeader = u"public static void main";
    static constexpr qsizetype kMaxNameUnits = kMaxNameLength;
    static QString decode(QStringView name) { return name.toString(); }
};

struct Utf8Text {
    using View = QByteArrayView;
    static constexpr QByteArrayView kClass = "class";
    static constexpr QByteArrayView kBrace = "{";
    static constexpr QByteArrayView kMainHeader = "public static void main";
    // Enough bytes for kMaxNameLength UTF-16 code units whatever the characters.
    static constexpr qsizetype kMaxNameUnits = 4 * kMaxNameLength;
    static QString decode(QByteArrayView name) { return QString::fromUtf8(name); }
};

template <typename Char> bool isLineBreak(Char c) {
    return c == '\r' || c == '\n';
}

// First occurrence at or after a position, for positions asked in rising
// order: each stretch of the text is searched once however often it is asked.
template <typename View> class NextOccurrence {
public:
    NextOccurrence(View haystack, View what) : text(haystack), needle(what) {}

    qsizetype from(qsizetype position) {
        if (found != -1 && found < position)
            found = text.indexOf(needle, position);
        return found;
    }

private:
    View text;
    View needle;
    qsizetype found = -2; // not searched yet; -1 once nothing is left
};

template <typename View> QList<qsizetype> positionsOf(View text, View needle) {
    QList<qsizetype> positions;
    for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1))
        positions.append(at);
    return positions;
}

// text[begin, end) without line breaks and outer spaces, cut at its first space, without copying
// more than the name itself, and never more than kMaxNameLength characters.
template <typename Text>
QString nameBetween(typename Text::View text, qsizetype begin, qsizetype end) {
    while (begin < end && (text[begin] == ' ' || isLineBreak(text[begin])))
        ++begin;
    qsizetype stop = begin;
    qsizetype kept = 0;
    bool hasLineBreak = false;
    for (; stop < end && text[stop] != ' ' && kept < Text::kMaxNameUnits; ++stop) {
        const bool lineBreak = isLineBreak(text[stop]);
        hasLineBreak = hasLineBreak || lineBreak;
        kept += lineBreak ? 0 : 1;
    }
    QString name = Text::decode(text.sliced(begin, stop - begin));
    if (hasLineBreak)
        name.remove(u'\r').remove(u'\n');
    name.truncate(kMaxNameLength);
    return name;
}

template <typename Text> ClassScan scan(typename Text::View view) {
    using View = typename Text::View;
    const QList<qsizetype> classes = positionsOf<View>(view, Text::kClass);
    ClassScan scan;
    scan.ClassCount = static_cast<int>(classes.size());
    scan.ClassNames = QStringList(classes.size(), QString());

    NextOccurrence<View> brace(view, Text::kBrace);
    NextOccurrence<View> header(view, Text::kMainHeader);
    bool chosen = false;
    for (qsizetype k = 0; k < classes.size(); ++k) {
        const qsizetype at = classes[k];
        const qsizetype nameStart = at + Text::kClass.size();
        const qsizetype open = brace.from(at);
        if (open <= nameStart)
            break; // no brace after this one, or no room for a name: the scan ends here
        // A name that is no identifier (Box<T>, Hello//) could never name a
        // file javac accepts; its leading identifier can.
        QString name = build::leadingJavaIdentifier(nameBetween<Text>(view, nameStart, open));
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

} // namespace

ClassScan scanMainClass(const QString &text) {
    return scan<Utf16Text>(QStringView(text));
}

ClassScan scanMainClassUtf8(QByteArrayView utf8) {
    return scan<Utf8Text>(utf8);
}

} // namespace qm
