#include "build/java_names.h"

#include "build/java_lexer.h"
#include "build/java_outline.h"

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

    QStringView slice(qsizetype from) const { return text.sliced(from, at - from); }

private:
    QStringView text;
    qsizetype at = 0;
};

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
    const QByteArray utf8 = source.toUtf8();
    JavaLexer in(utf8);
    if (!in.next().isWord("package"))
        return {};
    QString name;
    for (;;) {
        const JavaToken word = in.next();
        if (word.kind != TokenKind::Word || word.text.size() > kMaxPackageLength)
            return {};
        name += QString::fromUtf8(word.text);
        if (name.size() > kMaxPackageLength)
            return {};
        const JavaToken after = in.next();
        if (after.isSymbol(';'))
            return name;
        if (!after.isSymbol('.'))
            return {};
        name += QLatin1Char('.');
    }
}

QStringList declaredTypeNames(QStringView source) {
    return outlineOf(source.toUtf8()).typeNames;
}

} // namespace qm::build
