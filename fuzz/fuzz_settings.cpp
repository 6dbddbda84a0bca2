// Any settings file, however broken and in whatever encoding, must validate
// to usable values that read back unchanged once written.
#include "settings/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = qm::settingsText(
        QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const qm::ValidatedSettings v = qm::validateSettingsText(text);
    const qm::Settings &s = v.settings;
    if ((s.First != 0 && s.First != 1) || (s.Class != 0 && s.Class != 1) || s.Mode < qm::kModeMin ||
        s.Mode > qm::kModeMax || s.Path.isEmpty() || s.Path.contains(QLatin1Char('\n')) ||
        s.Path.startsWith(QLatin1Char(' ')) || s.Path.endsWith(QLatin1Char(' ')))
        std::abort();
    for (const QChar c : s.Path) {
        if (c.category() == QChar::Other_Control)
            std::abort();
    }
    // Written values must read back unchanged, through the same decoding.
    const QByteArray written = qm::settingsFileText(s, QStringLiteral("\r\n")).toUtf8();
    const qm::ValidatedSettings again = qm::validateSettingsText(qm::settingsText(written));
    if (!(again.settings == s) || again.rewrite)
        std::abort();
    return 0;
}
