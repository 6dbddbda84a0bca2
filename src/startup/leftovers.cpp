#include "startup/leftovers.h"

#include "build/comp.h"
#include "build/javac_server.h"
#include "launcher/run_folder.h"
#include "platform/atomic_file.h"
#include "platform/platform.h"

namespace qm {

void clearLeftovers(const QString &programDir, const QString &Path) {
    removeStaleRunFolders();
    build::JavacServer::removeStaleFolders();
    for (const QString &folder :
         {programDir, platform::expandDirectory(Path), build::buildDirectory(Path)})
        removeStaleTemporaryFiles(folder);
}

} // namespace qm
