#pragma once

#include <QObject>
#include <QString>

namespace qm {

// Gives a freshly created control its name and hands it back, so controls
// can be created, named and stored in one expression.
template <typename T> T *named(T *object, const char *name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace qm
