#include "build/java_lexer.h"

#include "build/java_names.h"

namespace qm::build {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kByteOrderMark = 0xFEFF;

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

bool isContinuation(const char *at, const char *end) {
    return at != end && (static_cast<unsigned char>(*at) & 0xC0) == 0x80;
}

} // namespace

char32_t takeCodePoint(const char *&at, const char *end) {
    const auto lead = static_cast<unsigned char>(*at);
    int length = 0;
    char32_t value = 0;
    char32_t least = 0; // the lowest value of that length: shorter forms are invalid
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, least = 0x10000;
    } else {
        ++at;
        return kReplacement;
    }
    const char *p = at + 1;
    for (int i = 1; i < length; ++i, ++p) {
        if (!isContinuation(p, end)) {
            ++at;
            return kReplacement;
        }
        value = (value << 6) | (static_cast<unsigned char>(*p) & 0x3Fu);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++at;
        return kReplacement;
    }
    at = p;
    return value;
}

JavaLexer::Mark JavaLexer::mark() const {
    // Beyond `at` a token looks at three bytes at most ("...", a UTF-8 sequence);
    // a comment or text block never closed depends on every byte after it,
    // and on there being no more.
    const qsizetype looked = readToEnd ? end - start + 1 : at - start + 4;
    return {at - start, looked, commentLeftOpen};
}

bool JavaLexer::uncommon(JavaToken &token) {
    const char *const from = at;
    const qsizetype left = end - at;
    const char c = *at;
    if (c == '/' && left >= 2 && (at[1] == '/' || at[1] == '*')) {
        if (at[1] == '/')
            skipLine();
        else
            skipBlockComment();
        return false;
    }
    TokenKind kind = TokenKind::Symbol;
    if (c == '"' && left >= 3 && at[1] == '"' && at[2] == '"') {
        skipTextBlock();
        kind = TokenKind::Literal;
    } else if (c == '"' || c == '\'') {
        skipQuoted(c);
        kind = TokenKind::Literal;
    } else if (c == '.' && left >= 3 && at[1] == '.' && at[2] == '.') {
        at += 3;
    } else if (c == '.' && left >= 2 && (byteClass(at[1]) & kWordPart) &&
               !(byteClass(at[1]) & kWordStart)) {
        token = number(from);
        return true;
    } else if (static_cast<unsigned char>(c) < 0x80) {
        ++at;
    } else {
        const char32_t code = takeCodePoint(at, end);
        if (code == kByteOrderMark)
            return false; // white space here, as the editors that write it mean it
        if (isJavaIdentifierStart(code)) {
            continueWord();
            kind = TokenKind::Word;
        }
    }
    token = {kind, QByteArrayView(from, at - from)};
    return true;
}

void JavaLexer::continueWord() {
    while (at != end) {
        if (isAsciiWordPart(*at)) {
            ++at;
            continue;
        }
        if (static_cast<unsigned char>(*at) < 0x80)
            return;
        const char *next = at;
        if (!isJavaIdentifierPart(takeCodePoint(next, end)))
            return;
        at = next;
    }
}

bool JavaLexer::firstOnLine() const {
    const char *before = at;
    while (before != start && (before[-1] == ' ' || before[-1] == '\t' || before[-1] == '\f'))
        --before;
    return before == start || isLineBreak(before[-1]);
}

void JavaLexer::skipLine() {
    while (at != end && !isLineBreak(*at))
        ++at;
}

void JavaLexer::skipBlockComment() {
    const char *const body = at + 2;
    if (!noCommentEnd || body < noCommentEnd) {
        const qsizetype close = QByteArrayView(body, end - body).indexOf("*/");
        if (close >= 0) {
            at = body + close + 2;
            return;
        }
        noCommentEnd = body;
    }
    readToEnd = true;
    commentLeftOpen = true;
    skipLine();
}

void JavaLexer::skipQuoted(char quote) {
    for (++at; at != end; ++at) {
        if (*at == quote) {
            ++at;
            return;
        }
        if (isLineBreak(*at))
            return;
        if (*at == '\\' && (at + 1 == end || isLineBreak(at[1]))) {
            ++at;
            return;
        }
        if (*at == '\\')
            ++at;
    }
}

void JavaLexer::skipTextBlock() {
    at += 3;
    if (!noTextBlockEnd || at < noTextBlockEnd) {
        for (const char *p = at; p != end; ++p) {
            if (*p == '\\') {
                if (++p == end)
                    break;
            } else if (*p == '"' && end - p >= 3 && p[1] == '"' && p[2] == '"') {
                at = p + 3;
                return;
            }
        }
        noTextBlockEnd = at;
    }
    readToEnd = true;
    skipLine();
}

} // namespace qm::build
