#pragma once
// What the X11 and the exam session's harnesses share: a display server or a
// compositor run as a process the test owns, tools run against it, and the
// main that gives QProcess its application object (process_tests_main.cpp).

#include "support/poll_until.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace vorn::test {

using std::chrono::milliseconds;

struct ToolResult {
    int status = -1; // -1: did not start, crashed or timed out
    QByteArray out;  // standard output (and error, when merged)
    QString error;   // the command and what went wrong; empty on status 0
};

// Runs `command` (program first) in `env` and waits up to `limit` for it;
// `merged`: its standard error is read with its output.
ToolResult RunTool(const QProcessEnvironment& env, const QStringList& command, milliseconds limit,
                   bool merged = false);

// Reads what `process` writes into `said` until `done` holds or `limit`
// has passed; false then.
bool ReadUntil(QProcess& process, QByteArray& said, const std::function<bool()>& done,
               milliseconds limit);

// Asks `process` to end, then kills it if it will not.
void EndProcess(QProcess& process);

} // namespace vorn::test
