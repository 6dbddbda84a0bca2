#include "build/java_names.h"

#include <QChar>

namespace qm::build {

namespace {

// Reads the source one code point at a time, pairing surrogates.
class CodePoints {
public:
    explicit CodePoints(QStringView view) : text(view) {}

    bool atEnd() const { return at >= text.size(); }
    qsizetype position() const { return at; }

    // The code point at the current position, 0 at the end.
    char32_t peek() const {
        if (atEnd())
            return 0;
        const QChar c = text[at];
        if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(c, text[at + 1]);
        return c.unicode();
    }

    void advance() {
        if (!atEnd())
            at += peek() > 0xFFFF ? 2 : 1;
    }

    bool skip(QStringView word) {
        if (!text.sliced(at).startsWith(word))
            return false;
        at += word.size();
        return true;
    }

    QStringView slice(qsizetype from) const { return text.sliced(from, at - from); }

private:
    QStringView text;
    qsizetype at = 0;
};

bool isJavaSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\r' || c == '\n';
}

// White space, comments and a byte-order mark; false on a comment left open.
bool skipSpaceAndComments(CodePoints &in) {
    for (;;) {
        const char32_t c = in.peek();
        if (isJavaSpace(c) || c == 0xFEFF) {
            in.advance();
        } else if (in.skip(u"//")) {
            while (!in.atEnd() && in.peek() != '\n' && in.peek() != '\r')
                in.advance();
        } else if (in.skip(u"/*")) {
            bool closed = false;
            while (!in.atEnd() && !(closed = in.skip(u"*/")))
                in.advance();
            if (!closed)
                return false;
        } else {
            return true;
        }
    }
}

// A quoted literal up to its unescaped closing quote; a line break ends a
// broken one.
void skipQuoted(CodePoints &in, char32_t quote) {
    in.advance();
    while (!in.atEnd() && in.peek() != quote && in.peek() != '\n') {
        if (in.peek() == '\\')
            in.advance();
        in.advance();
    }
    in.advance();
}

void skipTextBlock(CodePoints &in) {
    while (!in.atEnd() && !in.skip(u"\"\"\"")) {
        if (in.peek() == '\\')
            in.advance();
        in.advance();
    }
}

// Skips what cannot declare a type; false when it found nothing to skip.
bool skipNonCode(CodePoints &in) {
    const qsizetype start = in.position();
    if (!skipSpaceAndComments(in))
        return true; // a comment left open runs to the end
    if (in.position() != start)
        return true;
    if (in.skip(u"\"\"\""))
        skipTextBlock(in);
    else if (in.peek() == '"' || in.peek() == '\'')
        skipQuoted(in, in.peek());
    else
        return false;
    return true;
}

bool isTypeKeyword(QStringView word) {
    return word == u"class" || word == u"interface" || word == u"enum" || word == u"record";
}

QStringView identifierAt(CodePoints &in) {
    const qsizetype start = in.position();
    if (!isJavaIdentifierStart(in.peek()))
        return {};
    while (!in.atEnd() && isJavaIdentifierPart(in.peek()))
        in.advance();
    return in.slice(start);
}

} // namespace

bool isJavaIdentifierStart(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_Letter:
    case QChar::Symbol_Currency:
    case QChar::Punctuation_Connector: return true;
    default: return false;
    }
}

bool isJavaIdentifierPart(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Number_DecimalDigit:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining: return true;
    default: return isJavaIdentifierStart(c);
    }
}

QString leadingJavaIdentifier(QStringView text) {
    CodePoints in(text);
    while (in.peek() == '\t' || in.peek() == '\f')
        in.advance();
    return identifierAt(in).toString();
}

QString declaredPackage(QStringView source) {
    CodePoints in(source);
    if (!skipSpaceAndComments(in) || !in.skip(u"package") || isJavaIdentifierPart(in.peek()))
        return {};
    QString name;
    for (;;) {
        if (!skipSpaceAndComments(in))
            return {};
        const QStringView word = identifierAt(in);
        if (word.isEmpty() || name.size() + word.size() > kMaxPackageLength)
            return {};
        name += word;
        if (!skipSpaceAndComments(in))
            return {};
        if (in.skip(u";"))
            return name;
        if (!in.skip(u"."))
            return {};
        name += QLatin1Char('.');
    }
}

QStringList declaredTypeNames(QStringView source) {
    CodePoints in(source);
    QStringList names;
    bool afterDot = false;
    bool nameNext = false; // the last token was a type keyword
    while (!in.atEnd()) {
        if (skipNonCode(in))
            continue;
        const QStringView word = identifierAt(in);
        if (word.isEmpty()) {
            afterDot = in.peek() == '.';
            nameNext = false;
            in.advance();
            continue;
        }
        if (nameNext && !names.contains(word))
            names << word.toString();
        nameNext = !afterDot && isTypeKeyword(word);
        afterDot = false;
    }
    return names;
}

} // namespace qm::build
