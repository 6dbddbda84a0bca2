#include "build/build_script.h"

#include "build/console_texts.h"
#include "platform/platform.h"
#include "resources/resources.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace qm::build {

namespace {

const QString kJavacOutput = QStringLiteral("javac-output.txt");
const QString kProgramErrors = QStringLiteral("program-errors.txt");

} // namespace

QString BuildPlaces::inRunDirectory(const QString &name) const {
    return runDirectory + platform::separator() + name;
}

QString BuildPlaces::classDirectory() const {
    return inRunDirectory(QStringLiteral("classes"));
}

QString runName(const ScriptTarget &target) {
    if (target.package.isEmpty())
        return target.name;
    return target.package + QLatin1Char('.') + target.name;
}

QStringList quickJavacFlags() {
    return {QStringLiteral("-J-XX:TieredStopAtLevel=1"), QStringLiteral("-J-XX:+UseSerialGC"),
            QStringLiteral("-J-XX:-UsePerfData")};
}

// Names go into the command interpreter's script as they are: it has no
// quoting that holds every name. The run folder's paths are the program's
// own, and quoted.
QStringList batchScriptLines(const QString &path, const BuildPlaces &places,
                             const ScriptTarget &target) {
    const bool applet = target.CompType == BuildKind::Applet;
    const QHash<QString, QString> values{
        {QStringLiteral("drive"), path.left(2)},
        {QStringLiteral("build_dir"), path + QStringLiteral("\\ClassFiles")},
        {QStringLiteral("run_dir"), places.runDirectory},
        {QStringLiteral("class_dir"), places.classDirectory()},
        {QStringLiteral("quick_javac_flags"), quickJavacFlags().join(QLatin1Char(' '))},
        {QStringLiteral("source_file"), target.name + QStringLiteral(".java")},
        {QStringLiteral("javac_output"), kJavacOutput},
        {QStringLiteral("run_kind"), applet ? QStringLiteral("applet") : QStringLiteral("program")},
        {QStringLiteral("run_class"), runName(target)},
        {QStringLiteral("applet_page"), applet ? target.name + QStringLiteral(".HTML") : QString()},
        {QStringLiteral("text_compiling"), compilingLine()},
        {QStringLiteral("text_compiled"), compiledLine()},
        {QStringLiteral("text_compile_failed"), compileFailedLine()},
        {QStringLiteral("text_run_ended"), runEndedWithoutTime(QStringLiteral("%errorlevel%"))},
        {QStringLiteral("text_no_viewer"), noAppletViewer()},
    };
    return filledScriptLines(QStringLiteral("console_script.bat"), values);
}

QStringList filledScriptLines(const QString &templateName, const QHash<QString, QString> &values) {
    QStringList lines = fillMarks(resourceText(templateName), values).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the text's last line end
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

QString programErrorsFileName() {
    return kProgramErrors;
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
