#pragma once
// Running X tools from end-to-end tests, each bounded in time so a hung tool
// fails the test instead of hanging it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

namespace qm::testing {

// Runs `tool` for at most `timeout`; its standard output. `ok`, when given,
// says whether it ended by itself with status 0.
QByteArray runTool(const QString &tool, const QStringList &arguments, bool *ok = nullptr,
                   std::chrono::milliseconds timeout = std::chrono::seconds(5));

// xdotool's output, without the line end.
QByteArray xdotool(const QStringList &arguments, bool *ok = nullptr);

} // namespace qm::testing
