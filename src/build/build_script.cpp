#include "build/build_script.h"

#include "startup/platform/shell_quote.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace qm::build {

namespace {

const QString kCompiling = QStringLiteral("------------编译中...------------");
const QString kFinished = QStringLiteral("----------编译+运行完成----------");
const QString kPressAnyKey = QStringLiteral("请按任意键继续. . .");
const QString kSkipRunLabel = QStringLiteral("done");
const QString kJavacOutput = QStringLiteral("javac-output.txt");

} // namespace

QStringList batchScriptLines(const QString &path, const QString &name, BuildKind CompType) {
    QStringList lines{
        QStringLiteral("@echo off"),
        path.left(2),
        QStringLiteral("cd ") + path + QStringLiteral("\\ClassFiles"),
        QStringLiteral("echo ") + kCompiling,
        // The command interpreter has no tee: javac writes into the file, which
        // the console then shows, and its status is kept before anything resets it.
        QStringLiteral("javac ") + name + QStringLiteral(".java > ") + kJavacOutput +
            QStringLiteral(" 2>&1"),
        QStringLiteral("set compiled=%ERRORLEVEL%"),
        QStringLiteral("type ") + kJavacOutput,
        QStringLiteral("echo ") + kFinished,
        QStringLiteral("if not \"%compiled%\"==\"0\" goto ") + kSkipRunLabel,
    };
    if (CompType == BuildKind::StandardProgram)
        lines << QStringLiteral("java ") + name;
    else
        lines << QStringLiteral("appletviewer ") + name + QStringLiteral(".HTML");
    lines << QLatin1Char(':') + kSkipRunLabel << QStringLiteral("pause");
    return lines;
}

QStringList posixScriptLines(const QString &buildDirectory, const QString &name,
                             BuildKind CompType) {
    QStringList lines{
        QStringLiteral("#!/bin/bash"),
        QStringLiteral("cd ") + shellQuote(buildDirectory),
        QStringLiteral("echo ") + shellQuote(kCompiling),
        // The copy is written in UTF-8 whatever the locale says.
        // The console shows javac's output while a copy goes to the editor.
        QStringLiteral("javac -encoding UTF-8 ") + shellQuote(name + QStringLiteral(".java")) +
            QStringLiteral(" 2>&1 | tee ") + kJavacOutput,
        QStringLiteral("compiled=${PIPESTATUS[0]}"),
        QStringLiteral("echo ") + shellQuote(kFinished),
    };
    const QString run =
        CompType == BuildKind::StandardProgram
            ? QStringLiteral("java ") + shellQuote(name)
            : QStringLiteral("appletviewer ") + shellQuote(name + QStringLiteral(".HTML"));
    lines << QStringLiteral("if [ \"$compiled\" -eq 0 ]; then ") + run + QStringLiteral("; fi");
    lines << QStringLiteral("echo -n ") + shellQuote(kPressAnyKey)
          << QStringLiteral("read -r -s -n 1");
    return lines;
}

QStringList appletPageLines(const QString &name, qint16 ApHeight, qint16 ApWidth) {
    const QString tag = QStringLiteral("<applet code=\"") + name + QStringLiteral(".class\"") +
                        QStringLiteral(" height=") + QString::number(ApHeight) +
                        QStringLiteral(" ") + QStringLiteral("width=") + QString::number(ApWidth) +
                        QStringLiteral(">");
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

} // namespace qm::build
