#pragma once
// Finding a terminal emulator to show a script's console window, and the
// argument list that makes it run one command in a window of its own.

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace qm {

// A terminal ready to start: the program and the options that come before the
// command it should run. Empty program: none was found.
struct Terminal {
    QString program;
    QStringList options;

    bool isValid() const { return !program.isEmpty(); }
};

// The console's window: its title, and where its top-left corner goes (none:
// where the terminal or the window manager puts it).
struct TerminalWindow {
    TerminalWindow(const QString &windowTitle = {}, std::optional<QPoint> at = {})
        : title(windowTitle), position(at) {}

    QString title;
    std::optional<QPoint> position;
};

// Names looked for, in order; the first one found wins.
QStringList knownTerminalNames();

// Options for a terminal known by its program name (the file name of the
// program), titled and placed as `window` says where the terminal lets
// itself be placed, ending with the flag after which the command follows.
// Unknown names get the options every x-terminal-emulator accepts.
QStringList terminalOptions(const QString &name, const TerminalWindow &window);

// The terminal named by the first line of a Terminal.conf text that is neither
// blank nor a comment; invalid when there is none or its program is missing.
// `searchDirs` empty means the PATH.
Terminal configuredTerminal(const QString &confText, const QStringList &searchDirs = {});

// The user's terminal from `confText`, else the first known one installed.
// x-terminal-emulator is resolved to the program it links to so that a
// known terminal gets its own options.
Terminal findTerminal(const QString &confText, const TerminalWindow &window,
                      const QStringList &searchDirs = {});

// Program and arguments that run `command` in `terminal`.
QStringList terminalCommandLine(const Terminal &terminal, const QStringList &command);

// Where the optional Terminal.conf lives, and its text ("" when absent).
QString terminalConfPath();
QString readTerminalConf();

} // namespace qm
