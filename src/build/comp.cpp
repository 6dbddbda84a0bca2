#include "build/comp.h"

#include "build/build_script.h"
#include "build/clean_up.h"
#include "build/java_names.h"
#include "build/javac_server.h"
#include "launcher/shell_and_wait.h"
#include "platform/atomic_file.h"
#include "platform/create_directory.h"
#include "platform/platform.h"

#include <QFile>

namespace qm::build {

namespace {

// A console still running an earlier script keeps reading its old file when
// the new one is renamed over it, so a nested build cannot feed it a
// half-line of a different script. Where renaming over an open file is
// refused, the file is rewritten in place instead. Either way a link planted
// under the file's name is replaced, never written through.
bool writeFile(const QString &path, const QByteArray &bytes) {
    return writeFileAtomically(path, bytes, AtLink::Replace) ||
           writeFileInPlace(path, bytes, AtLink::Replace);
}

// Program-owned files rest hidden; they are made normal before each access.
void writeHiddenFile(const QString &path, const QByteArray &bytes) {
    platform::setHidden(path, false);
    if (writeFile(path, bytes))
        platform::setHidden(path, true);
}

QStringList scriptLines(platform::ScriptKind kind, const BuildRequest &request,
                        const ScriptTarget &target, const QString &directory,
                        const JavacSetup &setup) {
    if (kind == platform::ScriptKind::Batch)
        return batchScriptLines(request.Path, target);
    return posixScriptLines(directory.chopped(1), setup, target);
}

QString writeBuildFiles(const BuildRequest &request, const ScriptTarget &target,
                        const JavacSetup &setup) {
    const platform::ScriptKind kind = platform::scriptKind();
    const QString directory = buildDirectory(request.Path);
    const QString &name = request.fileName;
    writeHiddenFile(directory + name + QStringLiteral(".java"),
                    sourceCopyBytes(request.sourceText));
    if (request.CompType == BuildKind::Applet)
        writeFile(directory + name + QStringLiteral(".HTML"),
                  textFileBytes(appletPageLines(target, request.ApHeight, request.ApWidth), kind));
    const QString script = directory + scriptFileName(kind);
    writeHiddenFile(script,
                    textFileBytes(scriptLines(kind, request, target, directory, setup), kind));
    QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
    return script;
}

// What javac printed, taken from the directory the script ran in, which the
// clean-up's Path may no longer name.
BuildResult takeJavacOutput(const QString &Path, BuildOutcome outcome) {
    BuildResult result{outcome};
    QFile file(buildDirectory(Path) + javacOutputFileName());
    if (outcome == BuildOutcome::Ran && file.open(QIODevice::ReadOnly)) {
        result.javacOutput = toolOutputText(file.readAll(), platform::scriptKind());
        result.javacOutputRead = file.error() == QFileDevice::NoError;
        file.close();
    }
    file.remove();
    return result;
}

} // namespace

QString buildDirectory(const QString &Path) {
    const QChar sep = platform::separator();
    return platform::expandDirectory(Path) + sep + QStringLiteral("ClassFiles") + sep;
}

BuildResult Comp(const BuildRequest &request, const std::function<AfterRunValues()> &afterRun) {
    if (!nameIsConfined(request.fileName))
        return {BuildOutcome::UnsafeName};
    const QChar sep = platform::separator();
    CreateNewDirectory(request.Path + sep + QStringLiteral("ClassFiles") + sep);
    // The class files land where the package javac compiled says, whatever
    // the editor holds once the console has closed.
    const ScriptTarget target{request.fileName, declaredPackage(request.sourceText),
                              request.CompType};
    JavacServer *const server = JavacServer::instance();
    JavacSetup setup = probeJavac(platform::cacheDirectory());
    if (server)
        setup.server = server->address(setup);
    const QString script = writeBuildFiles(request, target, setup);

    LaunchFailure failure = LaunchFailure::None;
    const bool ran = ShellAndWait(script, kNormalWindow, 0, &failure);

    BuildOutcome outcome = BuildOutcome::Ran;
    if (!ran)
        outcome = failure == LaunchFailure::NoTerminal ? BuildOutcome::NoTerminal
                                                       : BuildOutcome::NotStarted;
    BuildResult result = takeJavacOutput(request.Path, outcome);
    const AfterRunValues after = afterRun ? afterRun() : AfterRunValues{request.Path};
    const CompiledSource compiled{request.fileName, target.package,
                                  declaredTypeNames(request.sourceText)};
    removeBuildFiles(buildDirectory(after.Path), compiled, after.ClassNames, after.ClassCount,
                     after.Class);
    if (server && ran)
        server->start(setup); // for the next build, now that this one no longer runs
    return result;
}

QString messageTitle() {
    return QStringLiteral("编译+运行");
}

QString noTerminalText() {
    return QStringLiteral("未找到可用的终端程序（如 xterm），无法打开控制台窗口。");
}

QString unusableNameText() {
    const QString shown = platform::shownForbiddenCharacters();
    return QStringLiteral("“文件”中的名称不能用作文件名：名称中不能含有 %1，也不能是“.”或“..”。"
                          "程序未编译，也未运行。")
        .arg(shown);
}

} // namespace qm::build
