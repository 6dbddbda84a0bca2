#pragma once
// The bash side of the warm javac (javac_server.h): a function that asks it
// to compile and prints what javac printed, as javac itself would have.

#include "build/javac_probe.h"

#include <QStringList>

namespace qm::build {

// Defines serve_javac SOURCE: compiles SOURCE, in the current directory,
// through `server`; returns javac's status, or 255 with nothing printed when
// no answer came (the server has ended, or has not answered in two minutes).
QStringList serverRequestLines(const WarmJavac &server);

} // namespace qm::build
