#pragma once
// A private Xvfb for one test, and the X tools run against it. Xvfb has no
// window manager: windows sit where they ask to, without a frame.

#include "support/tool_run.h"

namespace vorn::x11 {

using test::milliseconds;
using test::PollUntil;
using test::ToolResult;

class XServer {
public:
    // Starts Xvfb on the first free display; display() is empty when it did
    // not come up, and error() says why.
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const QString& display() const { return display_; }
    const QString& error() const { return error_; }

    // The environment of a program on this display, on the xcb platform.
    QProcessEnvironment environment() const;
    ToolResult run(const QString& program, const QStringList& arguments,
                   milliseconds limit = milliseconds(10000)) const;

private:
    QProcess server_;
    QString display_;
    QString error_;
};

} // namespace vorn::x11
