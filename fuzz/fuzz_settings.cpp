// Any settings file text, however broken, must validate to usable values.
#include "settings/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qm::ValidatedSettings v = qm::validateSettingsText(text);
    const qm::Settings &s = v.settings;
    if ((s.First != 0 && s.First != 1) || (s.Class != 0 && s.Class != 1) || s.Mode < qm::kModeMin ||
        s.Mode > qm::kModeMax || s.Path.isEmpty() || s.Path.contains(QLatin1Char('\n')))
        std::abort();
    // Written values must read back unchanged.
    const qm::ValidatedSettings again =
        qm::validateSettingsText(qm::settingsFileText(s, QStringLiteral("\n")));
    if (!(again.settings == s) || again.rewrite)
        std::abort();
    return 0;
}
