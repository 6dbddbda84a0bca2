#include "startup/initialisation.h"

#include "settings/settings_file.h"

#include <QUrl>

namespace qm {

Settings initialiseSettings(const QString &programDir, bool *pathMapped) {
    const SettingsLoad load = loadSettings(programDir);
    Settings settings = load.settings;
    if (pathMapped)
        *pathMapped = load.pathMapped;
    if (settings.First == 0) {
        settings.First = 1;
        WriteSettings(programDir, settings);
    }
    return settings;
}

namespace {

std::optional<QString> localPath(const QString &argument) {
    if (argument.isEmpty())
        return std::nullopt;
    if (!argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return argument;
    const QUrl url(argument);
    if (!url.isLocalFile() || url.toLocalFile().isEmpty())
        return std::nullopt;
    return url.toLocalFile();
}

} // namespace

std::optional<QString> fileArgument(const QStringList &arguments) {
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            continue;
        return localPath(argument);
    }
    return std::nullopt;
}

} // namespace qm
