#pragma once
// Plays the user at a build's console window under Xvfb: waits until the run
// is ready, lets the test look, then presses a key in that console until the
// build returns.

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class ConsoleDriver : public QObject {
    Q_OBJECT

public:
    // `ready` says when to look; `look` runs once then (it may start a nested
    // build). A null `ready` presses as soon as the console window shows.
    ConsoleDriver(std::function<bool()> ready, std::function<void()> look);

    bool timedOut() const { return gaveUp; }

private:
    void tick();
    void findOwnWindow();

    std::function<bool()> isReady;
    std::function<void()> lookOnce;
    QStringList knownWindows;
    QString ownWindow;
    bool looked = false;
    bool busy = false;
    bool gaveUp = false;
    QTimer ticker;
    QElapsedTimer sinceStart;
};

// Plays a user who presses a key while the build still compiles: once
// `compiling` says so, one key; then it looks whether the console is still
// open a second after `ran` says the program has run, and only then presses
// keys until the build returns.
class EarlyKey : public QObject {
    Q_OBJECT

public:
    EarlyKey(std::function<bool()> compiling, std::function<bool()> ran);

    bool timedOut() const { return gaveUp; }
    bool pressedWhileCompiling = false;
    bool openAfterTheRun = false;

private:
    void tick();

    enum class Step { WaitForCompile, WaitForRun, LookAfterRun, Close };
    std::function<bool()> isCompiling;
    std::function<bool()> hasRun;
    QStringList knownWindows;
    QString ownWindow;
    Step step = Step::WaitForCompile;
    bool gaveUp = false;
    QTimer ticker;
    QElapsedTimer sinceStart;
    QElapsedTimer sinceRun;
};

// The build's console windows on the display (titled after the program they
// run), oldest first.
QStringList consoleWindows();
