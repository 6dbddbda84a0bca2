#include "console_driver.h"

#include "xdotool.h"

using qm::testing::xdotool;

namespace {

constexpr int kTickMs = 150;
constexpr qint64 kGiveUpMs = 90000;

} // namespace

QStringList consoleWindows() {
    const QByteArray out = xdotool({"search", "--name", "^运行 .* — QuillmossJava编译器$"});
    return QString::fromLatin1(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

ConsoleDriver::ConsoleDriver(std::function<bool()> ready, std::function<void()> look)
    : isReady(std::move(ready)), lookOnce(std::move(look)), knownWindows(consoleWindows()) {
    connect(&ticker, &QTimer::timeout, this, &ConsoleDriver::tick);
    ticker.start(kTickMs);
    sinceStart.start();
}

void ConsoleDriver::findOwnWindow() {
    for (const QString &window : consoleWindows()) {
        if (!knownWindows.contains(window)) {
            ownWindow = window;
            return;
        }
    }
}

void ConsoleDriver::tick() {
    if (busy)
        return;
    busy = true;
    if (ownWindow.isEmpty())
        findOwnWindow();
    if (!looked && !ownWindow.isEmpty() && (!isReady || isReady())) {
        looked = true;
        if (lookOnce)
            lookOnce();
    }
    if (looked && !ownWindow.isEmpty()) {
        // Keys typed before the prompt are drained, so keep pressing. Only
        // while the console holds the focus: once it has gone, a key would
        // reach the main window and could click its focused button.
        xdotool({"windowfocus", ownWindow});
        if (xdotool({"getwindowfocus"}) == ownWindow.toLatin1())
            xdotool({"key", "space"});
    }
    if (sinceStart.elapsed() > kGiveUpMs && !ownWindow.isEmpty()) {
        gaveUp = true;
        xdotool({"windowkill", ownWindow});
    }
    busy = false;
}

EarlyKey::EarlyKey(std::function<bool()> compiling, std::function<bool()> ran)
    : isCompiling(std::move(compiling)), hasRun(std::move(ran)), knownWindows(consoleWindows()) {
    connect(&ticker, &QTimer::timeout, this, &EarlyKey::tick);
    ticker.start(kTickMs / 2);
    sinceStart.start();
}

void EarlyKey::tick() {
    if (ownWindow.isEmpty()) {
        const QStringList windows = consoleWindows();
        for (const QString &window : windows) {
            if (!knownWindows.contains(window))
                ownWindow = window;
        }
        if (ownWindow.isEmpty())
            return;
    }
    if (step == Step::WaitForCompile && isCompiling()) {
        xdotool({"windowfocus", ownWindow});
        xdotool({"key", "space"});
        pressedWhileCompiling = !hasRun();
        step = Step::WaitForRun;
    } else if (step == Step::WaitForRun && hasRun()) {
        sinceRun.start();
        step = Step::LookAfterRun;
    } else if (step == Step::LookAfterRun && sinceRun.elapsed() > 1000) {
        openAfterTheRun = consoleWindows().contains(ownWindow);
        step = Step::Close;
    } else if (step == Step::Close) {
        // As ConsoleDriver: a key without the console's focus could click a button.
        xdotool({"windowfocus", ownWindow});
        if (xdotool({"getwindowfocus"}) == ownWindow.toLatin1())
            xdotool({"key", "space"});
    }
    if (sinceStart.elapsed() > kGiveUpMs) {
        gaveUp = true;
        xdotool({"windowkill", ownWindow});
    }
}
