#include "launcher/terminal.h"

#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <array>

namespace qm {

namespace {

// How one terminal is told to keep a process of its own, to set the title and
// to run a command. An empty title flag: the terminal has none worth using.
struct TerminalFlags {
    const char *name;
    const char *ownProcess;
    const char *title;
    const char *execute;
};

// Order matters: the first one installed is used.
constexpr std::array<TerminalFlags, 12> kTerminals{{
    {"x-terminal-emulator", nullptr, "-T", "-e"},
    {"xterm", nullptr, "-T", "-e"},
    {"konsole", "--separate", nullptr, "-e"},
    {"gnome-terminal", "--wait", "--title", "--"},
    {"xfce4-terminal", "--disable-server", "-T", "-x"},
    {"mate-terminal", "--disable-factory", "-t", "-x"},
    {"kitty", nullptr, "--title", nullptr},
    {"alacritty", nullptr, "--title", "-e"},
    {"urxvt", nullptr, "-title", "-e"},
    {"lxterminal", "--no-remote", "-t", "-e"},
    {"tilix", "--new-process", "-t", "-e"},
    {"foot", nullptr, "--title", nullptr},
}};

const TerminalFlags *flagsFor(const QString &name) {
    for (const TerminalFlags &flags : kTerminals) {
        if (name == QLatin1String(flags.name))
            return &flags;
    }
    return &kTerminals[0];
}

QString findProgram(const QString &name, const QStringList &searchDirs) {
    if (QFileInfo(name).isAbsolute()) {
        const QFileInfo info(name);
        return info.isFile() && info.isExecutable() ? name : QString();
    }
    return QStandardPaths::findExecutable(name, searchDirs);
}

// Debian's alternative points at the terminal chosen on this system; a
// wrapper script (GNOME's, lxterm, uxterm) takes the x-terminal-emulator
// options, a terminal we know takes its own.
Terminal resolvedAlternative(const QString &path, const QString &title) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QString name = QFileInfo(target).fileName();
    const bool known = name != QLatin1String("x-terminal-emulator") &&
                       knownTerminalNames().contains(name) && !target.isEmpty();
    if (known)
        return {target, terminalOptions(name, title)};
    // Debian's xterm wrappers hand every option on to xterm.
    if (name == QLatin1String("lxterm") || name == QLatin1String("uxterm"))
        return {path, terminalOptions(QStringLiteral("xterm"), title)};
    return {path, terminalOptions(QStringLiteral("x-terminal-emulator"), title)};
}

} // namespace

QStringList knownTerminalNames() {
    QStringList names;
    for (const TerminalFlags &flags : kTerminals)
        names << QLatin1String(flags.name);
    return names;
}

QStringList terminalOptions(const QString &name, const QString &title) {
    const TerminalFlags *flags = flagsFor(name);
    QStringList options;
    // xterm's default bitmap font has no Chinese glyphs, so it draws with
    // FreeType. A plain "Monospace" resolves to the CJK font under a Chinese
    // locale, whose Latin letters are wide and push javac's ^ off its column:
    // the language picks a Latin face for the cells and the CJK face for wide
    // characters, whatever the locale.
    if (name == QLatin1String("xterm"))
        options << QStringLiteral("-fa") << QStringLiteral("Monospace:lang=en")
                << QStringLiteral("-fd") << QStringLiteral("Monospace:lang=zh-cn")
                << QStringLiteral("-fs") << QStringLiteral("11");
    if (flags->ownProcess)
        options << QLatin1String(flags->ownProcess);
    if (flags->title)
        options << QLatin1String(flags->title) << title;
    if (flags->execute)
        options << QLatin1String(flags->execute);
    return options;
}

Terminal configuredTerminal(const QString &confText, const QStringList &searchDirs) {
    const QStringList lines = confText.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList words = QProcess::splitCommand(line);
        if (words.isEmpty())
            return {};
        const QString program = findProgram(words.takeFirst(), searchDirs);
        if (program.isEmpty())
            return {};
        return {program, words};
    }
    return {};
}

Terminal findTerminal(const QString &confText, const QString &title,
                      const QStringList &searchDirs) {
    if (Terminal configured = configuredTerminal(confText, searchDirs); configured.isValid())
        return configured;
    for (const QString &name : knownTerminalNames()) {
        const QString path = findProgram(name, searchDirs);
        if (path.isEmpty())
            continue;
        if (name == QLatin1String("x-terminal-emulator"))
            return resolvedAlternative(path, title);
        return {path, terminalOptions(name, title)};
    }
    return {};
}

QStringList terminalCommandLine(const Terminal &terminal, const QStringList &command) {
    return QStringList{terminal.program} + terminal.options + command;
}

QString terminalConfPath() {
    return platform::joinPath(platform::programDirectory(), QStringLiteral("Terminal.conf"));
}

QString readTerminalConf() {
    QFile file(terminalConfPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace qm
