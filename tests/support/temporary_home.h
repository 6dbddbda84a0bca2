#pragma once
// A scratch home for a test: HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME point
// into a temporary directory while it lives, so nothing a test runs reads or
// writes the settings, terminal choice or caches of the person running it.

#include "environment_guard.h"

#include <QTemporaryDir>

namespace qm::testing {

class TemporaryHome {
public:
    TemporaryHome();

    bool isValid() const { return dir.isValid(); }
    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    // Further changes, undone when the home goes.
    EnvironmentGuard &environment() { return env; }

private:
    QTemporaryDir dir;
    EnvironmentGuard env; // after `dir`: restored before the directory goes
};

} // namespace qm::testing
