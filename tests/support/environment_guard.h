#pragma once
// Changes environment variables for as long as it lives, then puts back
// exactly what was there before: a variable that was unset is unset again,
// one that was empty is empty again.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace qm::testing {

class EnvironmentGuard {
public:
    EnvironmentGuard() = default;
    ~EnvironmentGuard();
    EnvironmentGuard(const EnvironmentGuard &) = delete;
    EnvironmentGuard &operator=(const EnvironmentGuard &) = delete;

    EnvironmentGuard &set(const char *name, const QByteArray &value);
    EnvironmentGuard &set(const char *name, const QString &value);
    EnvironmentGuard &set(const char *name, const char *value);
    EnvironmentGuard &unset(const char *name);
    // Puts `directory` in front of the search path.
    EnvironmentGuard &prependPath(const QString &directory);

private:
    void remember(const char *name);

    struct Saved {
        QByteArray name;
        std::optional<QByteArray> value;
    };
    std::vector<Saved> saved;
};

} // namespace qm::testing
