// The bash build script: locale, javac with its quick start, the run with its
// exit status and time, the final prompt.
#include "build/archive_job.h"
#include "build/build_script.h"
#include "build/console_texts.h"
#include "build/server_request.h"
#include "platform/shell_quote.h"

namespace qm::build {

namespace {

QString echo(const QString &text) {
    return QStringLiteral("echo ") + shellQuote(text);
}

// javac and java read and write Chinese file and package names only under a
// UTF-8 locale; the copy itself is read as UTF-8 whatever the locale.
// bash's printf makes one character of U+4F60 only where the locale in
// effect is UTF-8 (a UTF-8 locale that is not installed is not).
QStringList localeLines() {
    return {QStringLiteral("printf -v probe '\\u4f60'; [ \"${#probe}\" -eq 1 ] || export "
                           "LC_ALL=C.UTF-8")};
}

QString javacArguments(const ScriptTarget &target) {
    QString arguments = QStringLiteral("-encoding UTF-8 ");
    if (!target.package.isEmpty())
        arguments += QStringLiteral("-d . ");
    return arguments + shellQuote(target.name + QStringLiteral(".java"));
}

// The console shows javac's output while a copy goes to the editor; the
// status is javac's own, not tee's.
QString teeLine(const QString &javac) {
    return javac + QStringLiteral(" 2>&1 | tee ") + javacOutputFileName() +
           QStringLiteral("; compiled=${PIPESTATUS[0]}");
}

// The JVM cannot check every damage to an archive before it maps it; one it
// dies on (SIGABRT, silently: bash reports no signal of a pipeline's first
// command) is removed and javac runs again without it.
QStringList plainCompileLines(const ScriptTarget &target) {
    return {
        teeLine(QStringLiteral("javac \"${javac_flags[@]}\" \"${archive_flags[@]}\" ") +
                javacArguments(target)),
        QStringLiteral("if [ \"$compiled\" -eq 134 ] && [ -n \"$archive\" ]; then"),
        QStringLiteral("  rm -f -- \"$archive\""),
        QStringLiteral("  ") +
            teeLine(QStringLiteral("javac \"${javac_flags[@]}\" ") + javacArguments(target)),
        QStringLiteral("fi"),
    };
}

// The warm javac first, when one is ready and the search path finds its JDK's
// javac; javac itself when it gave no answer.
QStringList compileLines(const JavacSetup &setup, const ScriptTarget &target) {
    if (setup.server.pid == 0)
        return plainCompileLines(target);
    QStringList lines = serverRequestLines(setup.server);
    lines << QStringLiteral("compiled=255") << QStringLiteral("if [ -n \"$same_javac\" ]; then")
          << QStringLiteral("  ") + teeLine(QStringLiteral("serve_javac ") +
                                            shellQuote(target.name + QStringLiteral(".java")))
          << QStringLiteral("fi") << QStringLiteral("if [ \"$compiled\" -eq 255 ]; then");
    for (const QString &line : plainCompileLines(target))
        lines << QStringLiteral("  ") + line;
    return lines << QStringLiteral("fi");
}

// Spaces to the end of the line wrap only when the program left text on it;
// the carriage return then starts the status line on a line of its own.
QStringList freshLineLines() {
    return {
        QStringLiteral("  if [ -t 1 ]; then"),
        QStringLiteral("    columns=$(stty size 2>/dev/null </dev/tty); columns=${columns#* }"),
        QStringLiteral("    case $columns in ''|*[!0-9]*) ;; *) printf '%*s\\r' \"$columns\" '' ;; "
                       "esac"),
        QStringLiteral("  fi"),
    };
}

// The run, timed from bash's own clock (a '.' or ',' before the microseconds).
QStringList timedRunLines(const QString &command) {
    QStringList lines{
        QStringLiteral("  started=$EPOCHREALTIME"),
        QLatin1String("  ") + command,
        QStringLiteral("  status=$?"),
        QStringLiteral("  ended=$EPOCHREALTIME"),
    };
    lines << freshLineLines();
    lines << QStringLiteral("  centis=$(( (${ended//[.,]/} - ${started//[.,]/} + 5000) / 10000 ))")
          << QStringLiteral("  printf -v seconds '%d.%02d' $((centis / 100)) $((centis % 100))")
          << QStringLiteral("  printf -- ") +
                 shellQuote(runEndedLine(QStringLiteral("%s"), QStringLiteral("%s")) +
                            QStringLiteral("\\n")) +
                 QStringLiteral(" \"$status\" \"$seconds\"");
    return lines;
}

QStringList runLines(const ScriptTarget &target) {
    if (target.CompType == BuildKind::StandardProgram)
        return timedRunLines(QStringLiteral("java ") + shellQuote(runName(target)));
    QStringList lines{QStringLiteral("  if command -v appletviewer >/dev/null; then")};
    const QString viewer =
        QStringLiteral("appletviewer ") + shellQuote(target.name + QStringLiteral(".HTML"));
    for (const QString &line : timedRunLines(viewer))
        lines << QStringLiteral("  ") + line;
    lines << QStringLiteral("  else") << QStringLiteral("    ") + echo(noAppletViewer())
          << QStringLiteral("  fi");
    return lines;
}

// Keys typed while javac or the program ran are read away first, so only a
// key pressed after the prompt closes the console.
QStringList promptLines() {
    return {
        QStringLiteral("if [ -t 0 ]; then while read -r -s -n 1 -t 0.05; do :; done; fi"),
        QStringLiteral("echo -n ") + shellQuote(pressAnyKey()),
        QStringLiteral("read -r -s -n 1"),
    };
}

} // namespace

QStringList posixScriptLines(const QString &buildDirectory, const JavacSetup &setup,
                             const ScriptTarget &target) {
    QStringList lines{QStringLiteral("#!/bin/bash"),
                      QStringLiteral("cd ") + shellQuote(buildDirectory)};
    lines << localeLines() << echo(compilingLine()) << javacSetupLines(setup);
    lines << compileLines(setup, target) << QStringLiteral("if [ \"$compiled\" -eq 0 ]; then")
          << QStringLiteral("  ") + echo(compiledLine());
    lines << runLines(target);
    lines << QStringLiteral("else") << QStringLiteral("  ") + echo(compileFailedLine())
          << QStringLiteral("fi");
    lines << archiveStartLines(setup) << promptLines();
    return lines;
}

} // namespace qm::build
