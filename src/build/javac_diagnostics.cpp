#include "build/javac_diagnostics.h"

#include <array>
#include <optional>

namespace qm::build {

namespace {

struct KindWord {
    QStringView word;
    Severity severity;
};

// The words javac starts a diagnostic with, in English and in Chinese.
constexpr std::array<KindWord, 4> kKindWords{{
    {u"error", Severity::Error},
    {u"warning", Severity::Warning},
    {u"错误", Severity::Error},
    {u"警告", Severity::Warning},
}};

// Detail lines kept under one diagnostic; javac lists every candidate of an
// overloaded method, which would push the code far down.
constexpr int kMaxDetailLines = 8;

// "<path>Hello.java:12: error: text": the line and what follows the number.
std::optional<Diagnostic> header(QStringView line, QStringView sourceFile) {
    const qsizetype at = line.indexOf(sourceFile);
    if (at < 0 || (at > 0 && line[at - 1] != u'/' && line[at - 1] != u'\\'))
        return std::nullopt;
    QStringView rest = line.sliced(at + sourceFile.size());
    if (!rest.startsWith(u':'))
        return std::nullopt;
    rest = rest.sliced(1);
    qsizetype digits = 0;
    while (digits < rest.size() && rest[digits].isDigit())
        ++digits;
    bool ok = false;
    const int number = rest.first(digits).toInt(&ok);
    if (!ok || number < 1 || !rest.sliced(digits).startsWith(u": "))
        return std::nullopt;
    const QStringView message = rest.sliced(digits + 2);
    for (const KindWord &kind : kKindWords) {
        if (message.startsWith(kind.word) && message.sliced(kind.word.size()).startsWith(u':'))
            return Diagnostic{number, -1, kind.severity, message.toString()};
    }
    return std::nullopt;
}

// The line of blanks and one "^" under the source line; its blanks mirror
// the source line's characters one for one.
int caretColumn(QStringView line) {
    const QStringView trimmed = line.trimmed();
    if (trimmed != u"^")
        return -1;
    return int(line.indexOf(u'^'));
}

bool isDetail(QStringView line) {
    return line.startsWith(u' ') || line.startsWith(u'\t');
}

} // namespace

bool operator==(const Diagnostic &a, const Diagnostic &b) {
    return a.line == b.line && a.column == b.column && a.severity == b.severity &&
           a.message == b.message;
}

QList<Diagnostic> parseJavacDiagnostics(QStringView output, QStringView sourceFile) {
    QList<QStringView> lines;
    for (QStringView line : output.tokenize(u'\n'))
        lines << (line.endsWith(u'\r') ? line.chopped(1) : line);

    QList<Diagnostic> found;
    qsizetype i = 0;
    while (i < lines.size()) {
        std::optional<Diagnostic> diagnostic = header(lines[i++], sourceFile);
        if (!diagnostic)
            continue;
        // The source line, then the caret, follow the first line of the message.
        if (i + 1 < lines.size() && caretColumn(lines[i + 1]) >= 0) {
            diagnostic->column = caretColumn(lines[i + 1]);
            i += 2;
        }
        int kept = 0;
        for (; i < lines.size() && isDetail(lines[i]); ++i) {
            if (kept++ < kMaxDetailLines)
                diagnostic->message += u'\n' + lines[i].toString();
            else if (kept == kMaxDetailLines + 1)
                diagnostic->message += QStringLiteral("\n  …");
        }
        found << *diagnostic;
    }
    return found;
}

} // namespace qm::build
