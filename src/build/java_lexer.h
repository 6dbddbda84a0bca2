#pragma once
// Java's tokens in UTF-8 text, read as javac reads them: what stands in a
// comment, a string, a character literal or a text block is never code.
// The main-class scan runs this on every keystroke, over all of a long text
// when the key was typed near its start, so the common path (white space,
// ASCII words, one-byte symbols) is defined here, where the callers' loops
// can inline it.

#include <QByteArrayView>

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__GNUC__)
#define QM_INLINE __attribute__((always_inline)) inline
#elif defined(_MSC_VER)
#define QM_INLINE __forceinline
#else
#define QM_INLINE inline
#endif

namespace qm::build {

enum class TokenKind {
    End,     // nothing left
    Word,    // an identifier or a keyword
    Symbol,  // one punctuation byte, "...", or a character that is no part of a word
    Literal, // a number, a string, a character literal or a text block
};

struct JavaToken {
    TokenKind kind = TokenKind::End;
    QByteArrayView text; // the token's bytes in the source

    bool isSymbol(char c) const {
        return kind == TokenKind::Symbol && text.size() == 1 && text.front() == c;
    }
    bool isWord(QByteArrayView word) const { return kind == TokenKind::Word && text == word; }
};

// Text that is still being typed is read so that what surrounds it keeps its
// meaning: a string or character literal without its closing quote ends at
// the end of its line, as javac ends it; so do a block comment and a text
// block that are never closed, and the lines after such a comment that start
// with "*" are taken as more of it.
class JavaLexer {
public:
    explicit JavaLexer(QByteArrayView utf8)
        : start(utf8.data()), at(utf8.data()), end(utf8.data() + utf8.size()) {}

    // A point of the reading to resume from in a text that is the same up to
    // `horizon`: everything the tokens before `offset` depended on lies there.
    struct Mark {
        qsizetype offset = 0;
        qsizetype horizon = 0;
        bool commentLeftOpen = false;
    };
    JavaLexer(QByteArrayView utf8, const Mark &from)
        : start(utf8.data()), at(utf8.data() + from.offset), end(utf8.data() + utf8.size()),
          commentLeftOpen(from.commentLeftOpen) {}
    Mark mark() const;
    qsizetype offset() const { return at - start; }

    QM_INLINE JavaToken next() {
        for (;;) {
            skipSpace();
            if (at == end)
                return {};
            const char *const from = at;
            const std::uint8_t kind = byteClass(*at);
            if (kind & kWordStart)
                return word(from);
            if (kind & kWordPart)
                return number(from);
            if (kind == kOther) {
                if (*at == '*' && commentLeftOpen && firstOnLine()) {
                    skipLine(); // a line of the comment left open
                    continue;
                }
                ++at;
                return {TokenKind::Symbol, QByteArrayView(from, 1)};
            }
            JavaToken token;
            if (uncommon(token))
                return token;
        }
    }

private:
    // What a byte may be, as bits: one table look-up tells the common cases apart.
    static constexpr std::uint8_t kOther = 0;
    static constexpr std::uint8_t kSpace = 1;
    static constexpr std::uint8_t kWordPart = 2;  // letters, digits, '_' and '$'
    static constexpr std::uint8_t kWordStart = 4; // the same but digits
    static constexpr std::uint8_t kSpecial = 8;   // comments, literals, '.', beyond ASCII

    static constexpr std::array<std::uint8_t, 256> classes() {
        std::array<std::uint8_t, 256> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            if (c == ' ' || c == '\t' || c == '\f' || c == '\r' || c == '\n')
                table[c] = kSpace;
            else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$')
                table[c] = kWordStart | kWordPart;
            else if (c >= '0' && c <= '9')
                table[c] = kWordPart;
            else if (c == '/' || c == '"' || c == '\'' || c == '.' || c >= 0x80)
                table[c] = kSpecial;
        }
        return table;
    }
    static std::uint8_t byteClass(char c) {
        static constexpr std::array<std::uint8_t, 256> table = classes();
        return table[static_cast<unsigned char>(c)];
    }
    static bool isAsciiWordPart(char c) { return byteClass(c) & kWordPart; }

    void skipSpace() {
        while (at != end && byteClass(*at) == kSpace)
            ++at;
    }

    JavaToken word(const char *from) {
        while (at != end && isAsciiWordPart(*at))
            ++at;
        if (at != end && static_cast<unsigned char>(*at) >= 0x80)
            continueWord();
        return {TokenKind::Word, QByteArrayView(from, at - from)};
    }

    JavaToken number(const char *from) {
        while (at != end && (isAsciiWordPart(*at) || *at == '.'))
            ++at;
        return {TokenKind::Literal, QByteArrayView(from, at - from)};
    }

    // Comments, literals, "." and characters beyond ASCII; false when what
    // was read (a comment, a byte-order mark) is no token.
    bool uncommon(JavaToken &token);
    void continueWord();      // the rest of a word, letters beyond ASCII included
    bool firstOnLine() const; // only blanks before `at` on its line
    void skipLine();
    void skipBlockComment();
    void skipQuoted(char quote);
    void skipTextBlock();

    const char *start;
    const char *at;
    const char *end;
    bool commentLeftOpen = false;         // a block comment was never closed
    bool readToEnd = false;               // a search ran to the end of the text
    const char *noCommentEnd = nullptr;   // no "*/" from here on
    const char *noTextBlockEnd = nullptr; // no closing """ from here on
};

// The UTF-8 sequence at `at` as a code point, moving `at` past it; a byte
// that starts no valid sequence gives U+FFFD and moves one byte.
char32_t takeCodePoint(const char *&at, const char *end);

} // namespace qm::build
