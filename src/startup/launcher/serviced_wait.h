#pragma once
// A wait that keeps the program's event loop running: repaints, clicks and
// timers are handled meanwhile, and a handler may start a wait of its own,
// which returns before this one.

#include <functional>

class QEventLoop;

namespace qm {

class ServicedWait {
public:
    // `ended` is asked every `sliceMs` milliseconds (and whenever check() is
    // called); between looks the thread sleeps in the event loop.
    ServicedWait(std::function<bool()> hasEnded, int lookEveryMs);

    // Returns once `ended` has said true.
    void run();

    // Look now, e.g. when the process has reported its end.
    void check();

private:
    std::function<bool()> ended;
    int sliceMs;
    bool done = false;
    bool looking = false;
    QEventLoop *loop = nullptr;
};

// Milliseconds between two looks for a caller's WaitSlice: 0 lets the
// launcher choose; tiny slices are raised so a wait never spins.
int waitSliceMs(int waitSlice);

} // namespace qm
