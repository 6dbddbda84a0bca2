#include "launcher/terminal.h"

#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <array>

namespace qm {

namespace {

// How one terminal is told to keep a process of its own, to set the title, to
// place its window and to run a command. A missing title or geometry flag:
// the terminal has none worth using. A geometry flag ending in "=" takes its
// value in the same word.
struct TerminalFlags {
    const char *name;
    const char *ownProcess;
    const char *title;
    const char *geometry;
    const char *execute;
};

// Order matters: the first one installed is used.
constexpr std::array<TerminalFlags, 12> kTerminals{{
    {"x-terminal-emulator", nullptr, "-T", nullptr, "-e"},
    {"xterm", nullptr, "-T", "-geometry", "-e"},
    {"konsole", "--separate", nullptr, nullptr, "-e"},
    {"gnome-terminal", "--wait", "--title", "--geometry=", "--"},
    {"xfce4-terminal", "--disable-server", "-T", "--geometry=", "-x"},
    {"mate-terminal", "--disable-factory", "-t", "--geometry=", "-x"},
    {"kitty", nullptr, "--title", nullptr, nullptr},
    {"alacritty", nullptr, "--title", nullptr, "-e"},
    {"urxvt", nullptr, "-title", "-geometry", "-e"},
    {"lxterminal", "--no-remote", "-t", nullptr, "-e"},
    {"tilix", "--new-process", "-t", "--geometry=", "-e"},
    {"foot", nullptr, "--title", nullptr, nullptr},
}};

// X geometry of a position alone: "+X+Y".
QStringList geometryOptions(const char *flag, QPoint at) {
    const QString position = QStringLiteral("+%1+%2").arg(at.x()).arg(at.y());
    const QString name = QLatin1String(flag);
    if (name.endsWith(QLatin1Char('=')))
        return {name + position};
    return {name, position};
}

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
Terminal resolvedAlternative(const QString &path, const TerminalWindow &window) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QString name = QFileInfo(target).fileName();
    const bool known = name != QLatin1String("x-terminal-emulator") &&
                       knownTerminalNames().contains(name) && !target.isEmpty();
    if (known)
        return {target, terminalOptions(name, window)};
    // Debian's xterm wrappers hand every option on to xterm.
    if (name == QLatin1String("lxterm") || name == QLatin1String("uxterm"))
        return {path, terminalOptions(QStringLiteral("xterm"), window)};
    return {path, terminalOptions(QStringLiteral("x-terminal-emulator"), window)};
}

} // namespace

QStringList knownTerminalNames() {
    QStringList names;
    for (const TerminalFlags &flags : kTerminals)
        names << QLatin1String(flags.name);
    return names;
}

QStringList terminalOptions(const QString &name, const TerminalWindow &window) {
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
                << QStringLiteral("-fs")
                << QStringLiteral("11")
                // A selection goes to the clipboard too, so a learner pastes
                // an error with Ctrl+V (xterm copies nothing else). Any
                // class: Debian's uxterm runs xterm as UXTerm.
                << QStringLiteral("-xrm") << QStringLiteral("*selectToClipboard: true");
    if (flags->ownProcess)
        options << QLatin1String(flags->ownProcess);
    if (flags->title)
        options << QLatin1String(flags->title) << window.title;
    if (flags->geometry && window.position)
        options << geometryOptions(flags->geometry, *window.position);
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

Terminal findTerminal(const QString &confText, const TerminalWindow &window,
                      const QStringList &searchDirs) {
    if (Terminal configured = configuredTerminal(confText, searchDirs); configured.isValid())
        return configured;
    for (const QString &name : knownTerminalNames()) {
        const QString path = findProgram(name, searchDirs);
        if (path.isEmpty())
            continue;
        if (name == QLatin1String("x-terminal-emulator"))
            return resolvedAlternative(path, window);
        return {path, terminalOptions(name, window)};
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
