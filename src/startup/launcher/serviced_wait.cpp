#include "startup/launcher/serviced_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace qm {

ServicedWait::ServicedWait(std::function<bool()> hasEnded, int lookEveryMs)
    : ended(std::move(hasEnded)), sliceMs(lookEveryMs) {}

void ServicedWait::check() {
    // Looking may itself report the process's end, which asks to look again.
    if (done || looking)
        return;
    looking = true;
    const bool over = ended();
    looking = false;
    if (!over)
        return;
    done = true;
    if (loop)
        loop->quit();
}

void ServicedWait::run() {
    check();
    if (QCoreApplication::instance() && !done) {
        QEventLoop events;
        QTimer timer;
        timer.setInterval(sliceMs);
        QObject::connect(&timer, &QTimer::timeout, &events, [this] { check(); });
        loop = &events;
        timer.start();
        events.exec();
        loop = nullptr;
    }
    // Without an application, or once it is quitting, no loop runs any more;
    // the caller must still not regain control before the process has ended.
    while (!done) {
        QThread::msleep(static_cast<unsigned long>(sliceMs));
        QCoreApplication::processEvents();
        check();
    }
}

int waitSliceMs(int waitSlice) {
    constexpr int kChosen = 50;
    constexpr int kShortest = 20;
    constexpr int kLongest = 1000;
    if (waitSlice <= 0)
        return kChosen;
    return std::clamp(waitSlice, kShortest, kLongest);
}

} // namespace qm
