#include "build/exception_trace.h"

#include <algorithm>

namespace qm::build {

namespace {

constexpr QStringView kHeader = u"Exception in thread \"";
constexpr QStringView kCausedBy = u"Caused by: ";
// A recursion gone deep lists the same few lines a thousand times; a long
// call path is cut after these many.
constexpr int kShownCallerLines = 5;

// One exception of a chain, with its frames in the source.
struct Thrown {
    QString className;
    QString message;
    QList<int> lines; // innermost first
};

// "java.lang.X: text", as Throwable.toString() writes it.
Thrown described(QStringView text) {
    const qsizetype colon = text.indexOf(u": ");
    if (colon < 0)
        return {text.trimmed().toString(), {}, {}};
    return {text.first(colon).toString(), text.sliced(colon + 2).toString(), {}};
}

bool isFrame(QStringView line) {
    return (line.startsWith(u'\t') || line.startsWith(u' ')) && line.trimmed().startsWith(u"at ");
}

// The package of the class of a frame's method: "demo.app" of
// "demo.app.Hello$Inner.run"; "" for none.
QStringView packageOf(QStringView method) {
    const QStringView type = method.first(std::max<qsizetype>(0, method.lastIndexOf(u'.')));
    return type.first(std::max<qsizetype>(0, type.lastIndexOf(u'.')));
}

// "\tat demo.Hello.main(Hello.java:12)": 12 when the frame is in the source
// file and its class in the package; 0 otherwise. A class of a module (the
// JDK's, "java.base/...") is never the learner's.
int sourceLine(QStringView frame, QStringView sourceFile, QStringView package) {
    const QStringView text = frame.trimmed().sliced(3);
    const qsizetype open = text.indexOf(u'(');
    if (open < 0 || !text.endsWith(u')'))
        return 0;
    const QStringView method = text.first(open);
    const QStringView place = text.sliced(open + 1).chopped(1);
    if (method.contains(u'/') || packageOf(method) != package || !place.startsWith(sourceFile) ||
        !place.sliced(sourceFile.size()).startsWith(u':'))
        return 0;
    bool ok = false;
    const int line = place.sliced(sourceFile.size() + 1).toInt(&ok);
    return ok && line > 0 ? line : 0;
}

struct Trace {
    QList<Thrown> chain; // the exception, then each cause
    QList<int> others;   // source lines of suppressed exceptions
};

// The trace whose header is lines[at]; `at` ends on the first line after it.
Trace readTrace(const QList<QStringView> &lines, qsizetype &at, QStringView sourceFile,
                QStringView package) {
    const QStringView header = lines[at].sliced(kHeader.size());
    Trace trace{{described(header.sliced(header.indexOf(u"\" ") + 2))}, {}};
    bool inFrames = false;
    for (++at; at < lines.size(); ++at) {
        const QStringView line = lines[at];
        if (isFrame(line)) {
            inFrames = true;
            if (const int number = sourceLine(line, sourceFile, package); number > 0)
                (line.startsWith(u"\tat ") ? trace.chain.last().lines : trace.others) << number;
        } else if (line.startsWith(kCausedBy)) {
            trace.chain << described(line.sliced(kCausedBy.size()));
            inFrames = false;
        } else if (line.startsWith(u'\t')) {
            continue; // "... 3 more", "Suppressed: ..."
        } else if (!inFrames && !line.startsWith(kHeader)) {
            trace.chain.last().message += u'\n' + line.toString(); // a message of several lines
        } else {
            break;
        }
    }
    return trace;
}

void addOnce(QList<int> &to, const QList<int> &lines) {
    for (const int line : lines) {
        if (!to.contains(line))
            to << line;
    }
}

// The deepest cause with a frame in the source; the lines of the causes
// around it, then of the exceptions it enclosed, are its callers.
std::optional<UncaughtException> thrownInSource(const Trace &trace) {
    const auto deepest = std::find_if(trace.chain.crbegin(), trace.chain.crend(),
                                      [](const Thrown &t) { return !t.lines.isEmpty(); });
    if (deepest == trace.chain.crend())
        return std::nullopt;
    UncaughtException found{deepest->className, deepest->message, deepest->lines.first(), {}};
    QList<int> callers{found.line};
    for (auto outer = deepest; outer != trace.chain.crend(); ++outer)
        addOnce(callers, outer->lines);
    addOnce(callers, trace.others);
    found.callerLines = callers.mid(1);
    return found;
}

} // namespace

QString UncaughtException::header() const {
    return message.isEmpty() ? className : className + QStringLiteral(": ") + message;
}

bool operator==(const UncaughtException &a, const UncaughtException &b) {
    return a.className == b.className && a.message == b.message && a.line == b.line &&
           a.callerLines == b.callerLines;
}

std::optional<UncaughtException> parseUncaughtException(QStringView errors, QStringView sourceFile,
                                                        QStringView package) {
    QList<QStringView> lines;
    for (QStringView line : errors.tokenize(u'\n'))
        lines << (line.endsWith(u'\r') ? line.chopped(1) : line);
    for (qsizetype at = 0; at < lines.size();) {
        if (!lines[at].startsWith(kHeader) || !lines[at].contains(u"\" ")) {
            ++at;
            continue;
        }
        if (auto found = thrownInSource(readTrace(lines, at, sourceFile, package)))
            return found;
    }
    return std::nullopt;
}

QString callerLinesText(const QList<int> &lines) {
    if (lines.isEmpty())
        return {};
    QStringList numbers;
    for (const int line : lines.first(std::min<qsizetype>(lines.size(), kShownCallerLines)))
        numbers << QString::number(line);
    const QString shown = numbers.join(QStringLiteral("、"));
    if (lines.size() > kShownCallerLines)
        return QStringLiteral("调用经过第 %1 等行").arg(shown);
    return QStringLiteral("调用经过第 %1 行").arg(shown);
}

} // namespace qm::build
