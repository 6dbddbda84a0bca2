#include "startup/initialisation.h"

#include "settings/settings_file.h"

namespace qm {

Settings initialiseSettings(const QString &programDir) {
    Settings settings = loadSettings(programDir).settings;
    if (settings.First == 0) {
        settings.First = 1;
        WriteSettings(programDir, settings);
    }
    return settings;
}

} // namespace qm
