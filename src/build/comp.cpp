#include "build/comp.h"

#include "build/build_folder.h"
#include "build/build_script.h"
#include "build/clean_up.h"
#include "build/console_texts.h"
#include "build/java_names.h"
#include "build/javac_archive.h"
#include "build/javac_server.h"
#include "build/kept_classes.h"
#include "launcher/run_folder.h"
#include "launcher/shell_and_wait.h"
#include "platform/atomic_file.h"
#include "platform/platform.h"
#include "platform/process_folders.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace qm::build {

namespace {

constexpr qint64 kErrorsKept = 1 << 20;

// The script's copy in the build directory: where renaming over an open file
// is refused, it is rewritten in place instead. Either way a link planted
// under its name is replaced, never written through.
bool writeFile(const QString &path, const QByteArray &bytes) {
    return writeFileAtomically(path, bytes, AtLink::Replace) ||
           writeFileInPlace(path, bytes, AtLink::Replace);
}

// Program-owned files rest hidden; they are made normal before each access.
bool writeHiddenFile(const QString &path, const QByteArray &bytes) {
    platform::setHidden(path, false);
    const bool written = writeFile(path, bytes);
    if (written)
        platform::setHidden(path, true);
    return written;
}

QStringList scriptLines(const BuildRequest &request, const ScriptTarget &target,
                        const BuildPlaces &places, const JavacSetup &setup) {
    if (platform::scriptKind() == platform::ScriptKind::Batch)
        return batchScriptLines(request.Path, places, target);
    return posixScriptLines(places, setup, target);
}

// The run folder's own layout: "classes" for javac's class files and, for
// bash's javac, the link "build" to the build directory. Returns what could
// not be made, "" when all was.
QString layOutRunFolder(const BuildPlaces &places, platform::ScriptKind kind) {
    if (!platform::makeDirectory(places.classDirectory()))
        return places.classDirectory();
    const QString link = places.inRunDirectory(QStringLiteral("build"));
    if (kind == platform::ScriptKind::Posix && !QFile::link(places.buildDirectory, link))
        return link;
    return {};
}

using FileList = QList<std::pair<QString, QByteArray>>;

// The source copy, the applet page beside the classes it names, the script.
FileList runFiles(const BuildRequest &request, const ScriptTarget &target,
                  const BuildPlaces &places, const QByteArray &script) {
    const platform::ScriptKind kind = platform::scriptKind();
    FileList files{{places.inRunDirectory(request.fileName + QStringLiteral(".java")),
                    sourceCopyBytes(request.sourceText)}};
    if (request.CompType == BuildKind::Applet)
        files.append(
            {places.classDirectory() + platform::separator() + request.fileName +
                 QStringLiteral(".HTML"),
             textFileBytes(appletPageLines(target, request.ApHeight, request.ApWidth), kind)});
    files.append({places.inRunDirectory(scriptFileName(kind)), script});
    return files;
}

// Writes what the build runs into its run folder, each file whole or the
// build is not run; the script's copy in the build directory is for the
// user to look at, and may fail. Returns the script, or "" with `unwritten`
// naming what could not be written.
QString writeBuildFiles(const BuildRequest &request, const ScriptTarget &target,
                        const BuildPlaces &places, const JavacSetup &setup, QString &unwritten) {
    const platform::ScriptKind kind = platform::scriptKind();
    const QByteArray script = textFileBytes(scriptLines(request, target, places, setup), kind);
    unwritten = layOutRunFolder(places, kind);
    for (const auto &[path, bytes] : runFiles(request, target, places, script)) {
        if (unwritten.isEmpty() && !writeFileAtomically(path, bytes, AtLink::Replace))
            unwritten = path;
    }
    if (!unwritten.isEmpty())
        return {};
    const QString runScript = places.inRunDirectory(scriptFileName(kind));
    QFile::setPermissions(runScript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeHiddenFile(places.buildDirectory + platform::separator() + scriptFileName(kind), script);
    return runScript;
}

// What javac and the program printed, from the build's run folder.
BuildResult takeRunOutput(const BuildPlaces &places, BuildOutcome outcome) {
    BuildResult result{outcome};
    if (outcome != BuildOutcome::Ran)
        return result;
    QFile file(places.inRunDirectory(javacOutputFileName()));
    if (file.open(QIODevice::ReadOnly)) {
        result.javacOutput = toolOutputText(file.readAll(), platform::scriptKind());
        result.javacOutputRead = file.error() == QFileDevice::NoError;
    }
    // An uncaught exception's trace is the last the program printed; a
    // program that printed far more keeps only its tail.
    QFile errors(places.inRunDirectory(programErrorsFileName()));
    if (errors.open(QIODevice::ReadOnly) &&
        errors.seek(std::max<qint64>(0, errors.size() - kErrorsKept)))
        result.programErrors = toolOutputText(errors.readAll(), platform::scriptKind());
    return result;
}

BuildOutcome refusal(FolderVerdict verdict) {
    switch (verdict) {
    case FolderVerdict::Usable: break;
    case FolderVerdict::Unnamable: return BuildOutcome::UnnamableFolder;
    case FolderVerdict::TooLong: return BuildOutcome::FolderTooLong;
    case FolderVerdict::NotMade: return BuildOutcome::FolderNotMade;
    case FolderVerdict::NotOwned: return BuildOutcome::ForeignFolder;
    case FolderVerdict::OpenToOthers: return BuildOutcome::OpenFolder;
    }
    return BuildOutcome::Ran;
}

JavacSetup javacSetup(JavacServer *server) {
    JavacSetup setup = probeJavac(platform::cacheDirectory());
    if (server)
        setup.server = server->address(setup);
    return setup;
}

BuildResult runConsole(const QString &script, const BuildPlaces &places, const QString &title) {
    LaunchFailure failure = LaunchFailure::None;
    const ConsoleWindow console{title, places.runDirectory};
    const bool ran = ShellAndWait(script, kNormalWindow, 0, console, &failure);
    BuildOutcome outcome = BuildOutcome::Ran;
    if (!ran)
        outcome = failure == LaunchFailure::NoTerminal ? BuildOutcome::NoTerminal
                                                       : BuildOutcome::NotStarted;
    return takeRunOutput(places, outcome);
}

} // namespace

QString buildDirectory(const QString &Path) {
    const QChar sep = platform::separator();
    return platform::expandDirectory(Path) + sep + QStringLiteral("ClassFiles") + sep;
}

BuildResult Comp(const BuildRequest &request, const std::function<AfterRunValues()> &afterRun) {
    if (!nameIsConfined(request.fileName))
        return {BuildOutcome::UnsafeName};
    const BuildFolder folder = prepareBuildFolder(request.Path);
    if (folder.verdict != FolderVerdict::Usable)
        return {refusal(folder.verdict), folder.atFault};
    const RunFolder run;
    const BuildPlaces places{folder.directory.chopped(1), QDir::toNativeSeparators(run.path())};
    // The class files land where the package javac compiled says, whatever
    // the editor holds once the console has closed.
    const ScriptTarget target{request.fileName, declaredPackage(request.sourceText),
                              request.CompType};
    JavacServer *const server = JavacServer::instance();
    const JavacSetup setup = javacSetup(server);
    QString unwritten = run.isValid() ? QString() : platform::runtimeDirectory();
    const QString script = unwritten.isEmpty()
                               ? writeBuildFiles(request, target, places, setup, unwritten)
                               : QString();
    if (script.isEmpty())
        return {BuildOutcome::NotWritten, unwritten};

    BuildResult result = runConsole(script, places, consoleTitle(request.fileName));
    const AfterRunValues after = afterRun ? afterRun() : AfterRunValues{request.Path};
    if (after.Class != 0)
        keepClassFiles(places.classDirectory(), folder.directory);
    const CompiledSource compiled{target.package, declaredTypeNames(request.sourceText)};
    removeBuildFiles(buildDirectory(after.Path), compiled, after.ClassNames, after.ClassCount,
                     after.Class);
    if (server && result.outcome == BuildOutcome::Ran)
        server->start(setup); // for the next build, now that this one no longer runs
    if (setup.makeArchive && result.outcome == BuildOutcome::Ran)
        startArchiveJob(setup); // the one made at the start is gone or was unsound
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
