// The bash build script: the template console_script.sh of the resources,
// filled with one build's values.
#include "build/build_script.h"
#include "build/console_texts.h"
#include "platform/shell_quote.h"
#include "resources/resources.h"

namespace qm::build {

namespace {

QString quotedWords(const QStringList &words) {
    QStringList quoted;
    for (const QString &word : words)
        quoted << shellQuote(word);
    return quoted.join(QLatin1Char(' '));
}

// Each mark of console_script.sh, with its value quoted for the shell.
QHash<QString, QString> posixScriptValues(const BuildPlaces &places, const JavacSetup &setup,
                                          const ScriptTarget &target) {
    const bool applet = target.CompType == BuildKind::Applet;
    const QString none;
    const QHash<QString, QString> values{
        {QStringLiteral("build_dir"), places.buildDirectory},
        {QStringLiteral("run_dir"), places.runDirectory},
        {QStringLiteral("class_dir"), places.classDirectory()},
        {QStringLiteral("source_file"), target.name + QStringLiteral(".java")},
        {QStringLiteral("javac_output"), places.inRunDirectory(javacOutputFileName())},
        {QStringLiteral("program_errors"), places.inRunDirectory(programErrorsFileName())},
        {QStringLiteral("run_kind"), applet ? QStringLiteral("applet") : QStringLiteral("program")},
        {QStringLiteral("run_class"), runName(target)},
        {QStringLiteral("applet_page"), applet ? target.name + QStringLiteral(".HTML") : none},
        {QStringLiteral("javac"), setup.javac},
        {QStringLiteral("jdk"), setup.jdk},
        {QStringLiteral("javac_archive"), setup.archive},
        {QStringLiteral("server_dir"), setup.server.directory},
        {QStringLiteral("server_pid"), QString::number(setup.server.pid)},
        {QStringLiteral("text_compiling"), compilingLine()},
        {QStringLiteral("text_compiled"), compiledLine()},
        {QStringLiteral("text_compile_failed"), compileFailedLine()},
        {QStringLiteral("text_stop_hint"), stopHintLine()},
        {QStringLiteral("text_run_ended"),
         runEndedLine(QStringLiteral("%s"), QStringLiteral("%s"))},
        {QStringLiteral("text_no_viewer"), noAppletViewer()},
        {QStringLiteral("text_press_any_key"), pressAnyKey()},
    };
    QHash<QString, QString> quoted;
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        quoted.insert(value.key(), shellQuote(value.value()));
    quoted.insert(QStringLiteral("quick_javac_flags"), quotedWords(quickJavacFlags()));
    return quoted;
}

} // namespace

QStringList posixScriptLines(const BuildPlaces &places, const JavacSetup &setup,
                             const ScriptTarget &target) {
    return filledScriptLines(QStringLiteral("console_script.sh"),
                             posixScriptValues(places, setup, target));
}

} // namespace qm::build
