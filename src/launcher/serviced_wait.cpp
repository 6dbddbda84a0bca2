#include "launcher/serviced_wait.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace qm {

void ServicedWait::run() {
    if (done || !QCoreApplication::instance())
        return;
    QEventLoop events;
    loop = &events;
    events.exec();
    loop = nullptr;
    // Once the application is quitting, exec() returns at once; the caller
    // must still not regain control before the end, so block in the event
    // dispatcher, which still delivers the notifications that end the wait.
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ServicedWait::finish() {
    done = true;
    // Quitting an outer loop from inside an inner one takes effect when the
    // inner one has returned: nested waits end innermost first.
    if (loop)
        loop->quit();
}

} // namespace qm
