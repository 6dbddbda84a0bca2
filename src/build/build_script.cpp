#include "build/build_script.h"

#include "startup/platform/shell_quote.h"

#include <QStringEncoder>

namespace qm::build {

namespace {

const QString kCompiling = QStringLiteral("------------编译中...------------");
const QString kFinished = QStringLiteral("----------编译+运行完成----------");
const QString kPressAnyKey = QStringLiteral("请按任意键继续. . .");
const QString kSkipRunLabel = QStringLiteral("done");

} // namespace

QStringList batchScriptLines(const QString &path, const QString &name, BuildKind CompType) {
    QStringList lines{
        QStringLiteral("@echo off"),
        path.left(2),
        QStringLiteral("cd ") + path + QStringLiteral("\\ClassFiles"),
        QStringLiteral("echo ") + kCompiling,
        QStringLiteral("javac ") + name + QStringLiteral(".java"),
        QStringLiteral("echo ") + kFinished,
        // echo leaves ERRORLEVEL as javac set it, so the test may follow the message.
        QStringLiteral("if errorlevel 1 goto ") + kSkipRunLabel,
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
        QStringLiteral("javac -encoding UTF-8 ") + shellQuote(name + QStringLiteral(".java")),
        QStringLiteral("compiled=$?"),
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
