#pragma once
// Waiting for something to have happened instead of sleeping for a guessed
// time: the event loop keeps running while the condition is polled.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <chrono>
#include <functional>

namespace qm::testing {

// True as soon as `done` holds; false once `timeout` has passed without it.
inline bool waitFor(const std::function<bool()> &done, std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

} // namespace qm::testing
