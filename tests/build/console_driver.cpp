#include "console_driver.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kTickMs = 150;
constexpr qint64 kGiveUpMs = 90000;

QByteArray xdotool(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(5000);
    return process.readAllStandardOutput();
}

} // namespace

QStringList consoleWindows() {
    const QByteArray out = xdotool({"search", "--name", "^Tamsorley\\.sh$"});
    return QString::fromLatin1(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

ConsoleDriver::ConsoleDriver(std::function<bool()> ready, std::function<void()> look)
    : ready_(std::move(ready)), look_(std::move(look)), known_(consoleWindows()) {
    connect(&timer_, &QTimer::timeout, this, &ConsoleDriver::tick);
    timer_.start(kTickMs);
    clock_.start();
}

void ConsoleDriver::findOwnWindow() {
    for (const QString &window : consoleWindows()) {
        if (!known_.contains(window)) {
            window_ = window;
            return;
        }
    }
}

void ConsoleDriver::tick() {
    if (busy_)
        return;
    busy_ = true;
    if (window_.isEmpty())
        findOwnWindow();
    if (!looked_ && !window_.isEmpty() && (!ready_ || ready_())) {
        looked_ = true;
        if (look_)
            look_();
    }
    if (looked_ && !window_.isEmpty()) {
        // Keys typed before the pause wait in the terminal's input queue.
        xdotool({"windowfocus", window_});
        xdotool({"key", "space"});
    }
    if (clock_.elapsed() > kGiveUpMs && !window_.isEmpty()) {
        timedOut_ = true;
        xdotool({"windowkill", window_});
    }
    busy_ = false;
}

QString missingConsoleRequirement() {
    for (const char *tool : {"javac", "java", "xterm", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("needs an X display (run under xvfb-run)");
    return QString();
}

void useHome(const QString &home) {
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toUtf8());
}
