#pragma once
// The exam session under test: the real session script (vorn-exam-session)
// runs cage on wlroots' headless backend, which runs the built player (through
// player-shim) with the exam configuration the test writes. Run as root, the
// session is started as "nobody": cage refuses to run as root. What the test
// sees of it: the player's window log (VORN_TEST_WINDOW_LOG), what the
// session wrote on standard error, screenshots taken with grim, and Wayland
// clients it starts in the session.

#include "support/tool_run.h"

#include <QImage>
#include <QTemporaryDir>

namespace vorn::session {

using test::milliseconds;
using test::ToolResult;

class CageSession {
public:
    // A folder of the session's own, owned by whoever runs it.
    CageSession();
    ~CageSession() { test::EndProcess(cage_); }
    CageSession(const CageSession&) = delete;
    CageSession& operator=(const CageSession&) = delete;

    // A file in the session's folder, readable by the session.
    QString write(const QString& name, const QByteArray& bytes) const;
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Starts the session with the exam configuration at `config`.
    void start(const QString& config);
    // Waits until the window log has a line holding `part`.
    bool waitForLog(const QString& part, milliseconds limit) const;
    QString log() const;
    // A Wayland client run as the session's user, next to the player:
    // through the session's own socket name (as any program of the student
    // would find it) or through the test's link to the socket.
    enum class Reach { SocketName, TestsLink };
    ToolResult runClient(Reach reach, const QStringList& command,
                         const QStringList& environment = {}) const;
    // The whole output, as the session shows it now.
    QImage screenshot() const;
    // Ends the player as a power cut or the kernel would, with SIGTERM.
    bool endPlayer() const;
    // Waits until the compositor has ended; false when it is still running.
    bool waitForEnd(milliseconds limit);
    // What the session said on standard error.
    QString said();

private:
    QTemporaryDir dir_;
    QProcess cage_;
    QByteArray said_;
};

} // namespace vorn::session
