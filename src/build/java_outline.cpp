#include "build/java_outline.h"

#include "build/java_lexer.h"
#include "build/main_parameters.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace qm::build {

namespace {

// The words that matter here; every word of the text is asked, so most
// are told apart by their length alone.
enum class Keyword { None, Class, Interface, Enum, Record, Public, Static, Void, Main };

Keyword keywordOf(QByteArrayView word) {
    const auto is = [&](const char *keyword) {
        return std::memcmp(word.data(), keyword, size_t(word.size())) == 0;
    };
    switch (word.size()) {
    case 4:
        if (is("void"))
            return Keyword::Void;
        if (is("main"))
            return Keyword::Main;
        return is("enum") ? Keyword::Enum : Keyword::None;
    case 5: return is("class") ? Keyword::Class : Keyword::None;
    case 6:
        if (is("public"))
            return Keyword::Public;
        if (is("static"))
            return Keyword::Static;
        return is("record") ? Keyword::Record : Keyword::None;
    case 9: return is("interface") ? Keyword::Interface : Keyword::None;
    default: return Keyword::None;
    }
}

bool isTypeKeyword(Keyword keyword) {
    return keyword == Keyword::Class || keyword == Keyword::Interface || keyword == Keyword::Enum ||
           keyword == Keyword::Record;
}

QString typeName(QByteArrayView utf8) {
    // Four bytes at most per UTF-16 code unit kept.
    QString name = QString::fromUtf8(utf8.first(std::min(utf8.size(), 4 * kMaxTypeNameLength)));
    name.truncate(kMaxTypeNameLength);
    return name;
}

// What the reading knows at a point of the text, besides the outline's lists.
struct Position {
    JavaLexer::Mark lexer;
    qsizetype typeCount = 0; // entries of the outline's lists read so far
    qsizetype nameCount = 0;
    // What later text may still change of the entries before: whether the
    // types whose bodies are open or about to open hold main.
    bool declaredTypeHoldsMain = false;
    bool openTypeHoldsMain = false;

    int depth = 0;
    bool afterDot = false;
    bool keywordBefore = false; // the last token was class, interface, enum or record
    bool declaresInterface = false;
    bool publicAtTop = false; // "public" among the modifiers of a top-level declaration
    int declaredType = -1;    // top-level type declared, its body not open yet
    bool declaredTypeIsInterface = false;
    int openType = -1; // top-level type whose body is open
    bool openTypeIsInterface = false;
    bool memberPublic = false; // modifiers of the member being read in that body
    bool memberStatic = false;
    bool voidBefore = false;
    bool matching = false; // reading the parameters after "void main"
    MainParameters parameters;
};

// Often enough that little is read twice, seldom enough to cost nothing.
constexpr qsizetype kCheckpointSpacing = 8192;

qsizetype firstDifference(QByteArrayView a, QByteArrayView b) {
    const qsizetype common = std::min(a.size(), b.size());
    constexpr qsizetype kBlock = 4096;
    qsizetype at = 0;
    while (at + kBlock <= common && std::memcmp(a.data() + at, b.data() + at, kBlock) == 0)
        at += kBlock;
    while (at < common && a[at] == b[at])
        ++at;
    return at;
}

} // namespace

class OutlineReader::Reading {
public:
    const SourceOutline &read(QByteArrayView utf8) {
        const qsizetype changed = firstDifference(previous, utf8);
        if (readBefore && changed == utf8.size() && changed == previous.size())
            return outline;
        readBefore = true;
        resumeBefore(changed);
        previous.resize(utf8.size());
        std::memcpy(previous.data(), utf8.data(), size_t(utf8.size()));
        readOn(utf8, kCheckpointSpacing);
        return outline;
    }

    // Once, with nothing kept for a next reading.
    SourceOutline readOnce(QByteArrayView utf8) {
        readOn(utf8, utf8.size() + 1);
        return std::move(outline);
    }

private:
    void resumeBefore(qsizetype changed) {
        while (!checkpoints.empty() && checkpoints.back().lexer.horizon > changed)
            checkpoints.pop_back();
        state = checkpoints.empty() ? Position() : checkpoints.back();
        outline.topLevelTypes.resize(state.typeCount);
        if (state.declaredType >= 0)
            outline.topLevelTypes[state.declaredType].holdsMain = state.declaredTypeHoldsMain;
        if (state.openType >= 0)
            outline.topLevelTypes[state.openType].holdsMain = state.openTypeHoldsMain;
        outline.typeNames.resize(state.nameCount);
        for (; qsizetype(keys.size()) > state.nameCount; keys.pop_back())
            seen.erase(keys.back());
    }

    void readOn(QByteArrayView text, qsizetype checkpointSpacing) {
        JavaLexer lexer(text, state.lexer);
        qsizetype nextCheckpoint = state.lexer.offset + checkpointSpacing;
        for (JavaToken token = lexer.next(); token.kind != TokenKind::End; token = lexer.next()) {
            take(token);
            if (lexer.offset() >= nextCheckpoint) {
                keepCheckpoint(lexer.mark());
                nextCheckpoint = lexer.offset() + checkpointSpacing;
            }
        }
    }

    void keepCheckpoint(const JavaLexer::Mark &mark) {
        state.lexer = mark;
        state.typeCount = outline.topLevelTypes.size();
        state.nameCount = outline.typeNames.size();
        state.declaredTypeHoldsMain = holdsMain(state.declaredType);
        state.openTypeHoldsMain = holdsMain(state.openType);
        checkpoints.push_back(state);
    }

    bool holdsMain(int type) const { return type >= 0 && outline.topLevelTypes[type].holdsMain; }

    void take(const JavaToken &token) {
        if (state.matching)
            followMain(token);
        if (token.kind == TokenKind::Word)
            takeWord(token);
        else
            takeOther(token);
        state.afterDot = token.isSymbol('.');
    }

    bool atMemberLevel() const { return state.depth == 1 && state.openType >= 0; }

    void takeWord(const JavaToken &token) {
        Position &s = state;
        if (s.keywordBefore) {
            declare(token.text);
            s.keywordBefore = false;
            return;
        }
        const Keyword keyword = keywordOf(token.text);
        s.keywordBefore = !s.afterDot && isTypeKeyword(keyword);
        s.declaresInterface = keyword == Keyword::Interface;
        if (keyword == Keyword::Public) {
            s.publicAtTop = s.publicAtTop || s.depth == 0;
            s.memberPublic = s.memberPublic || atMemberLevel();
        }
        s.memberStatic = s.memberStatic || (atMemberLevel() && keyword == Keyword::Static);
        if (keyword == Keyword::Main && s.voidBefore && atMemberLevel() && s.memberStatic &&
            (s.memberPublic || s.openTypeIsInterface)) {
            s.matching = true;
            s.parameters = MainParameters();
        }
        s.voidBefore = keyword == Keyword::Void;
    }

    void declare(QByteArrayView name) {
        std::string key(name.data(), size_t(name.size()));
        if (seen.insert(key).second) {
            keys.push_back(std::move(key));
            outline.typeNames << typeName(name);
        }
        if (state.depth != 0)
            return;
        outline.topLevelTypes.append({typeName(name), state.publicAtTop, false});
        state.declaredType = int(outline.topLevelTypes.size()) - 1;
        state.declaredTypeIsInterface = state.declaresInterface;
    }

    void takeOther(const JavaToken &token) {
        state.keywordBefore = false;
        state.voidBefore = false;
        if (token.isSymbol('{'))
            openBrace();
        else if (token.isSymbol('}'))
            closeBrace();
        else if (token.isSymbol(';'))
            endStatement();
    }

    void openBrace() {
        if (state.depth == 0) {
            state.openType = state.declaredType;
            state.openTypeIsInterface = state.declaredTypeIsInterface;
            state.declaredType = -1;
        }
        ++state.depth;
        if (state.depth == 1)
            startMember();
    }

    void closeBrace() {
        if (state.depth == 0)
            return; // one too many: nothing is open
        --state.depth;
        if (state.depth == 0) {
            state.openType = -1;
            state.publicAtTop = false;
        }
        if (state.depth == 1)
            startMember();
    }

    void endStatement() {
        if (state.depth == 0) {
            state.publicAtTop = false;
            state.declaredType = -1;
        }
        if (state.depth == 1)
            startMember();
    }

    void startMember() {
        state.memberPublic = false;
        state.memberStatic = false;
    }

    void followMain(const JavaToken &token) {
        const MainParameters::Verdict verdict = state.parameters.take(token);
        if (verdict == MainParameters::Verdict::Undecided)
            return;
        state.matching = false;
        if (verdict == MainParameters::Verdict::Matches && state.openType >= 0)
            outline.topLevelTypes[state.openType].holdsMain = true;
    }

    SourceOutline outline;
    Position state;
    std::vector<Position> checkpoints; // in text order
    QByteArray previous;               // the text read last
    bool readBefore = false;
    std::unordered_set<std::string> seen; // the names' bytes, to keep each once
    std::vector<std::string> keys;        // the same, in the order of typeNames
};

OutlineReader::OutlineReader() : reading(std::make_unique<Reading>()) {}

OutlineReader::~OutlineReader() = default;

const SourceOutline &OutlineReader::read(QByteArrayView utf8) {
    return reading->read(utf8);
}

SourceOutline outlineOf(QByteArrayView utf8) {
    return OutlineReader::Reading().readOnce(utf8);
}

} // namespace qm::build
