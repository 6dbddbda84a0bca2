#pragma once
// Whether the parameter list after "void main" is the one the java launcher
// starts: "(", then annotations and final in any order, the type String (or
// java.lang.String) with one array level before or after the parameter's
// name or as "...", then ")".

#include "build/java_lexer.h"

namespace qm::build {

class MainParameters {
public:
    enum class Verdict { Undecided, Matches, Fails };

    // The next token after "main"; Undecided until the list has ended or
    // cannot be the launcher's any more.
    Verdict take(const JavaToken &token);

private:
    enum class Step {
        Open,
        Modifiers,
        AnnotationName,
        AfterAnnotation,
        AnnotationArguments,
        Qualified,
        CloseBracket,
        AfterType,
        AfterName,
    };

    Verdict moveTo(Step next) {
        step = next;
        return Verdict::Undecided;
    }
    Verdict expect(bool ok, Step next) { return ok ? moveTo(next) : Verdict::Fails; }
    Verdict modifier(const JavaToken &token);
    Verdict annotated(const JavaToken &token);
    Verdict qualified(const JavaToken &token);
    Verdict bracket(Step back);
    Verdict afterType(const JavaToken &token);
    Verdict afterName(const JavaToken &token);

    Step step = Step::Open;
    Step afterBracket = Step::AfterType;
    int depth = 0;       // parentheses of an annotation's arguments
    int dimensions = 0;  // array levels of the parameter
    int qualifiedAt = 0; // words of java.lang.String read
};

} // namespace qm::build
