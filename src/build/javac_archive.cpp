#include "build/javac_archive.h"

#include "build/build_script.h"
#include "platform/platform.h"
#include "resources/resources.h"

#include <QProcess>
#include <QStandardPaths>

namespace qm::build {

bool startArchiveJob(const JavacSetup &setup) {
    const QString bash = QStandardPaths::findExecutable(QStringLiteral("bash"));
    const QString job = resourceText(QStringLiteral("javac_archive.sh"));
    const QString sample = resourceText(QStringLiteral("Sample.java"));
    if (platform::scriptKind() != platform::ScriptKind::Posix || setup.jdk.isEmpty() ||
        setup.version.isEmpty() || setup.cacheDirectory.isEmpty() || bash.isEmpty() ||
        job.isEmpty() || sample.isEmpty())
        return false;
    QProcess process;
    process.setProgram(bash);
    process.setArguments(QStringList{QStringLiteral("-c"), job, QStringLiteral("make-archive"),
                                     setup.jdk, setup.cacheDirectory, setup.version, sample} +
                         quickJavacFlags());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

bool makeArchiveIfMissing(const QString &cacheDirectory) {
    JavacSetup setup = probeJdk();
    if (!archiveWanted(cacheDirectory, setup.version))
        return false;
    setup.cacheDirectory = cacheDirectory;
    return startArchiveJob(setup);
}

} // namespace qm::build
