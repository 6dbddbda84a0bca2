#include "build/build_script.h"

#include "build/console_texts.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace qm::build {

namespace {

const QString kFailedLabel = QStringLiteral("failed");
const QString kNoViewerLabel = QStringLiteral("noviewer");
const QString kDoneLabel = QStringLiteral("done");
const QString kJavacOutput = QStringLiteral("javac-output.txt");

QString batchJavacLine(const ScriptTarget &target) {
    QStringList words{QStringLiteral("javac")};
    words << quickJavacFlags() << QStringLiteral("-encoding") << QStringLiteral("UTF-8");
    if (!target.package.isEmpty())
        words << QStringLiteral("-d") << QStringLiteral(".");
    return words.join(QLatin1Char(' ')) + QLatin1Char(' ') + target.name +
           QStringLiteral(".java > ") + kJavacOutput + QStringLiteral(" 2>&1");
}

// ERRORLEVEL is read when its line runs, after the program has ended.
QStringList batchRunLines(const ScriptTarget &target) {
    QStringList lines;
    if (target.CompType == BuildKind::StandardProgram) {
        lines << QStringLiteral("java ") + runName(target);
    } else {
        lines << QStringLiteral("where /q appletviewer || goto ") + kNoViewerLabel
              << QStringLiteral("appletviewer ") + target.name + QStringLiteral(".HTML");
    }
    lines << QStringLiteral("echo ") + runEndedWithoutTime(QStringLiteral("%errorlevel%"))
          << QStringLiteral("goto ") + kDoneLabel;
    if (target.CompType == BuildKind::Applet)
        lines << QLatin1Char(':') + kNoViewerLabel << QStringLiteral("echo ") + noAppletViewer()
              << QStringLiteral("goto ") + kDoneLabel;
    return lines;
}

} // namespace

QString runName(const ScriptTarget &target) {
    if (target.package.isEmpty())
        return target.name;
    return target.package + QLatin1Char('.') + target.name;
}

QStringList quickJavacFlags() {
    return {QStringLiteral("-J-XX:TieredStopAtLevel=1"), QStringLiteral("-J-XX:+UseSerialGC"),
            QStringLiteral("-J-XX:-UsePerfData")};
}

QStringList batchScriptLines(const QString &path, const ScriptTarget &target) {
    QStringList lines{
        QStringLiteral("@echo off"),
        path.left(2),
        QStringLiteral("cd ") + path + QStringLiteral("\\ClassFiles"),
        QStringLiteral("echo ") + compilingLine(),
        // The command interpreter has no tee: javac writes into the file, which
        // the console then shows, and its status is kept before anything resets it.
        batchJavacLine(target),
        QStringLiteral("set compiled=%ERRORLEVEL%"),
        QStringLiteral("type ") + kJavacOutput,
        QStringLiteral("if not \"%compiled%\"==\"0\" goto ") + kFailedLabel,
        QStringLiteral("echo ") + compiledLine(),
    };
    lines << batchRunLines(target);
    lines << QLatin1Char(':') + kFailedLabel << QStringLiteral("echo ") + compileFailedLine()
          << QLatin1Char(':') + kDoneLabel << QStringLiteral("pause");
    return lines;
}

QStringList appletPageLines(const ScriptTarget &target, qint16 ApHeight, qint16 ApWidth) {
    const QString tag = QStringLiteral("<applet code=\"") + runName(target) +
                        QStringLiteral(".class\"") + QStringLiteral(" height=") +
                        QString::number(ApHeight) + QStringLiteral(" ") + QStringLiteral("width=") +
                        QString::number(ApWidth) + QStringLiteral(">");
    return {QStringLiteral("<html>"), tag, QStringLiteral("</applet>"), QStringLiteral("</html>")};
}

QString javacOutputFileName() {
    return kJavacOutput;
}

QString toolOutputText(const QByteArray &bytes, platform::ScriptKind kind) {
    if (kind == platform::ScriptKind::Posix)
        return QString::fromUtf8(bytes);
    QStringDecoder decode(QStringConverter::System);
    return decode(bytes);
}

QString scriptFileName(platform::ScriptKind kind) {
    return kind == platform::ScriptKind::Batch ? QStringLiteral("Tamsorley.bat")
                                               : QStringLiteral("Tamsorley.sh");
}

QByteArray textFileBytes(const QStringList &lines, platform::ScriptKind kind) {
    if (kind == platform::ScriptKind::Posix)
        return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    QStringEncoder encode(QStringConverter::System);
    return encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QByteArray sourceCopyBytes(const QString &sourceText) {
    return (sourceText + platform::lineEnd()).toUtf8();
}

} // namespace qm::build
