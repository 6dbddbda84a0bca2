#pragma once
// A wait that keeps the program's event loop running: repaints, clicks and
// timers are handled meanwhile, and a handler may start a wait of its own,
// which returns before this one. The wait itself costs nothing: whatever
// reports the end (a socket notifier, a process's signal) calls finish().

class QEventLoop;

namespace qm {

class ServicedWait {
public:
    // Returns once finish() has been called; at once if it already was.
    // Needs a QCoreApplication.
    void run();

    void finish();
    bool finished() const { return done; }

private:
    bool done = false;
    QEventLoop *loop = nullptr;
};

} // namespace qm
