#include "build/main_parameters.h"

namespace qm::build {

MainParameters::Verdict MainParameters::take(const JavaToken &token) {
    switch (step) {
    case Step::Open: return expect(token.isSymbol('('), Step::Modifiers);
    case Step::Modifiers: return modifier(token);
    case Step::AnnotationName: return expect(token.kind == TokenKind::Word, Step::AfterAnnotation);
    case Step::AfterAnnotation: return annotated(token);
    case Step::AnnotationArguments:
        depth += token.isSymbol('(') ? 1 : token.isSymbol(')') ? -1 : 0;
        return moveTo(depth == 0 ? Step::Modifiers : Step::AnnotationArguments);
    case Step::Qualified: return qualified(token);
    case Step::CloseBracket: return expect(token.isSymbol(']'), afterBracket);
    case Step::AfterType: return afterType(token);
    case Step::AfterName: return afterName(token);
    }
    return Verdict::Fails;
}

MainParameters::Verdict MainParameters::modifier(const JavaToken &token) {
    if (token.isSymbol('@'))
        return moveTo(Step::AnnotationName);
    if (token.isWord("final"))
        return moveTo(Step::Modifiers);
    if (token.isWord("String"))
        return moveTo(Step::AfterType);
    if (token.isWord("java")) {
        qualifiedAt = 1;
        return moveTo(Step::Qualified);
    }
    return Verdict::Fails;
}

// After an annotation's name: more of a qualified name, its arguments, or
// the next modifier or the type.
MainParameters::Verdict MainParameters::annotated(const JavaToken &token) {
    if (token.isSymbol('.'))
        return moveTo(Step::AnnotationName);
    if (token.isSymbol('(')) {
        depth = 1;
        return moveTo(Step::AnnotationArguments);
    }
    return modifier(token);
}

// The rest of "java . lang . String".
MainParameters::Verdict MainParameters::qualified(const JavaToken &token) {
    static constexpr const char *kRest[] = {".", "lang", ".", "String"};
    if (token.text != QByteArrayView(kRest[qualifiedAt - 1]))
        return Verdict::Fails;
    return ++qualifiedAt > 4 ? moveTo(Step::AfterType) : Verdict::Undecided;
}

MainParameters::Verdict MainParameters::bracket(Step back) {
    ++dimensions;
    afterBracket = back;
    return moveTo(Step::CloseBracket);
}

MainParameters::Verdict MainParameters::afterType(const JavaToken &token) {
    if (token.isSymbol('['))
        return bracket(Step::AfterType);
    if (token.kind == TokenKind::Symbol && token.text == "...") {
        ++dimensions;
        return Verdict::Undecided;
    }
    return expect(token.kind == TokenKind::Word, Step::AfterName);
}

MainParameters::Verdict MainParameters::afterName(const JavaToken &token) {
    if (token.isSymbol('['))
        return bracket(Step::AfterName);
    return token.isSymbol(')') && dimensions == 1 ? Verdict::Matches : Verdict::Fails;
}

} // namespace qm::build
