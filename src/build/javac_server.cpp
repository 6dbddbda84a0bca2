#include "build/javac_server.h"

#include "platform/atomic_file.h"
#include "platform/platform.h"
#include "platform/process_folders.h"
#include "platform/process_priority.h"
#include "resources/resources.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

namespace qm::build {

namespace {

constexpr int kIdleMilliseconds = 15 * 60 * 1000;
// Edits look for javac again at most this often while no server runs.
constexpr qint64 kRetryMilliseconds = 60 * 1000;

// Small and slow-growing, because it waits far more than it compiles: one
// compiler tier and thread, a heap that starts small and is given back.
// javac speaks Chinese, as the console's does, whatever the locale.
// javac's class-data archive, when there is one, shares javac's classes
// from the file instead of loading them (about 12 MB less resident).
QStringList jvmOptions(const QString &archive) {
    QStringList options;
    if (!archive.isEmpty())
        options << QStringLiteral("-XX:SharedArchiveFile=") + archive
                << QStringLiteral("-Xlog:cds=off") << QStringLiteral("-Xlog:cds+dynamic=off");
    return options + QStringList{QStringLiteral("-Duser.language=zh"),
                                 QStringLiteral("-Duser.region=CN"),
                                 QStringLiteral("-XX:+UseSerialGC"),
                                 QStringLiteral("-XX:TieredStopAtLevel=1"),
                                 QStringLiteral("-XX:CICompilerCount=1"),
                                 QStringLiteral("-XX:-UsePerfData"),
                                 QStringLiteral("-Xms8m"),
                                 QStringLiteral("-XX:MinHeapFreeRatio=10"),
                                 QStringLiteral("-XX:MaxHeapFreeRatio=20")};
}

// After the keystroke that made a build likely has been drawn.
constexpr int kExpectDelayMilliseconds = 100;

const QString kFolderPrefix = QStringLiteral("quillmoss-javac-");

QString requestsName() {
    return QStringLiteral("requests");
}

} // namespace

JavacServer *JavacServer::instance() {
    static JavacServer *server = nullptr;
    if (!server && QCoreApplication::instance())
        server = new JavacServer(QCoreApplication::instance());
    return server;
}

JavacServer::JavacServer(QObject *parent) : QObject(parent) {
    idle.setSingleShot(true);
    idle.setInterval(kIdleMilliseconds);
    connect(&idle, &QTimer::timeout, this, &JavacServer::stop);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    platform::startAtLowestPriority(process);
    connect(&process, &QProcess::readyReadStandardOutput, this, &JavacServer::readSaid);
    connect(&process, &QProcess::finished, this, &JavacServer::processEnded);
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                &JavacServer::shutDown);
}

// A running QProcess kills its program when it is destroyed and reports the
// end: by then the members it would write are gone. So it is stopped first.
JavacServer::~JavacServer() {
    disconnect(&process, nullptr, this, nullptr);
    stop();
}

void JavacServer::processEnded() {
    if (!ready)
        failedJdk = jdk; // not asked again for this JDK
    ready = false;
}

WarmJavac JavacServer::address(const JavacSetup &setup) const {
    if (!ready || setup.jdk.isEmpty() || setup.jdk != jdk || process.state() != QProcess::Running)
        return {};
    return {directory->path(), process.processId()};
}

// A CLASSPATH in the environment may name folders relative to the build
// directory, which this JVM's own directory is not: then javac runs as before.
void JavacServer::start(const JavacSetup &setup) {
    if (quitting || setup.jdk.isEmpty() || setup.jdk == failedJdk ||
        platform::scriptKind() != platform::ScriptKind::Posix ||
        qEnvironmentVariableIsSet("CLASSPATH"))
        return;
    idle.start();
    if (process.state() != QProcess::NotRunning && setup.jdk == jdk)
        return;
    stop();
    const QString java = setup.jdk + QStringLiteral("/bin/java");
    directory = std::make_unique<QTemporaryDir>(
        platform::processFolderTemplate(QDir::tempPath(), kFolderPrefix));
    if (!QFileInfo(java).isExecutable() || !directory->isValid() || !writeFiles())
        return;
    jdk = setup.jdk;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!platform::localeIsUtf8(environment)) // as the script does for its own javac
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory->path());
    process.start(java, jvmOptions(setup.archive)
                            << QStringLiteral("JavacServer.java") << requestsName()
                            << QStringLiteral("Sample.java"));
}

void JavacServer::expectBuild() {
    if (quitting || process.state() != QProcess::NotRunning ||
        (lastExpected.isValid() && !lastExpected.hasExpired(kRetryMilliseconds)))
        return;
    lastExpected.start();
    QTimer::singleShot(kExpectDelayMilliseconds, this, [this] {
        if (process.state() == QProcess::NotRunning)
            start(probeJavac(platform::cacheDirectory()));
    });
}

void JavacServer::stop() {
    lastExpected.invalidate(); // the next edit may start one at once
    ready = false;
    jdk.clear(); // its end is no failure
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
    }
    directory.reset();
}

void JavacServer::removeStaleFolders() {
    for (const QString &folder : platform::foldersOfEndedProcesses(QDir::tempPath(), kFolderPrefix))
        QDir(folder).removeRecursively();
}

void JavacServer::shutDown() {
    quitting = true;
    stop();
}

bool JavacServer::waitUntilReady(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!ready && process.state() != QProcess::NotRunning && !deadline.hasExpired())
        process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    return ready;
}

// The server's source and the sample it compiles before it is ready, both
// from the resources.
bool JavacServer::writeFiles() const {
    const QString dir = directory->path() + QLatin1Char('/');
    for (const QString &name :
         {QStringLiteral("JavacServer.java"), QStringLiteral("Sample.java")}) {
        const QString text = resourceText(name);
        if (text.isEmpty() || !writeFileAtomically(dir + name, text.toUtf8(), AtLink::Replace))
            return false;
    }
    return platform::makeNamedPipe(dir + requestsName());
}

void JavacServer::readSaid() {
    while (process.canReadLine()) {
        if (process.readLine().trimmed() == "ready")
            ready = true;
    }
}

} // namespace qm::build
