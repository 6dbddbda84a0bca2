#include "launcher/run_folder.h"

#include "launcher/wrapper_script.h"
#include "platform/process_folders.h"

#include <QDir>

namespace qm {

namespace {

const QString kPrefix = QStringLiteral("quillmoss-run-");

} // namespace

RunFolder::RunFolder()
    : folder(platform::processFolderTemplate(platform::runtimeDirectory(), kPrefix)) {}

void removeStaleRunFolders() {
    const QStringList ended =
        platform::foldersOfEndedProcesses(platform::runtimeDirectory(), kPrefix);
    for (const QString &path : ended) {
        // A console may outlive the program that opened it; its program
        // still needs the class files there.
        if (!platform::pipeHasWriter(QDir(path).filePath(QLatin1String(kEndPipeName))))
            QDir(path).removeRecursively();
    }
}

} // namespace qm
