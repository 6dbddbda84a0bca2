#include "temporary_home.h"

namespace qm::testing {

TemporaryHome::TemporaryHome() {
    env.set("HOME", dir.path())
        .set("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")))
        .set("XDG_CACHE_HOME", dir.filePath(QStringLiteral("cache")));
}

} // namespace qm::testing
