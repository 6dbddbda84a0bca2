#include "environment_guard.h"

#include <algorithm>

namespace qm::testing {

EnvironmentGuard::~EnvironmentGuard() {
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
        if (it->value)
            qputenv(it->name.constData(), *it->value);
        else
            qunsetenv(it->name.constData());
    }
}

// Only the first change of a name is remembered: that is the value to restore.
void EnvironmentGuard::remember(const char *name) {
    const bool known =
        std::any_of(saved.cbegin(), saved.cend(), [&](const Saved &s) { return s.name == name; });
    if (known)
        return;
    std::optional<QByteArray> value;
    if (qEnvironmentVariableIsSet(name))
        value = qgetenv(name);
    saved.push_back({name, value});
}

EnvironmentGuard &EnvironmentGuard::set(const char *name, const QByteArray &value) {
    remember(name);
    qputenv(name, value);
    return *this;
}

EnvironmentGuard &EnvironmentGuard::set(const char *name, const QString &value) {
    return set(name, value.toUtf8());
}

EnvironmentGuard &EnvironmentGuard::set(const char *name, const char *value) {
    return set(name, QByteArray(value));
}

EnvironmentGuard &EnvironmentGuard::unset(const char *name) {
    remember(name);
    qunsetenv(name);
    return *this;
}

EnvironmentGuard &EnvironmentGuard::prependPath(const QString &directory) {
    return set("PATH", directory.toUtf8() + ':' + qgetenv("PATH"));
}

} // namespace qm::testing
