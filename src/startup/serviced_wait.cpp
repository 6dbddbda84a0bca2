#include "startup/serviced_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace qm {

ServicedWait::ServicedWait(std::function<bool()> ended, int sliceMs)
    : ended_(std::move(ended)), sliceMs_(sliceMs) {}

void ServicedWait::check() {
    // Looking may itself report the process's end, which asks to look again.
    if (done_ || looking_)
        return;
    looking_ = true;
    const bool ended = ended_();
    looking_ = false;
    if (!ended)
        return;
    done_ = true;
    if (loop_)
        loop_->quit();
}

void ServicedWait::run() {
    check();
    if (QCoreApplication::instance() && !done_) {
        QEventLoop loop;
        QTimer timer;
        timer.setInterval(sliceMs_);
        QObject::connect(&timer, &QTimer::timeout, &loop, [this] { check(); });
        loop_ = &loop;
        timer.start();
        loop.exec();
        loop_ = nullptr;
    }
    // Without an application, or once it is quitting, no loop runs any more;
    // the caller must still not regain control before the process has ended.
    while (!done_) {
        QThread::msleep(static_cast<unsigned long>(sliceMs_));
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
