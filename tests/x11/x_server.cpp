#include "x_server.h"

#include "support/private_environment.h"

#include <thread>

namespace vorn::x11 {

XServer::XServer() {
    // -displayfd: the server picks a free display and writes its number once
    // it accepts connections. -noreset: an X server resets when its last
    // client leaves, and refuses connections meanwhile; a tool that polls
    // (xdotool, setxkbmap) would then make the player fail to connect now and
    // then, and a reset would also drop the keyboard layout set for a test.
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-noreset",
                                           "-screen", "0", "1024x768x24", "-nocursor"});
    if (!server_.waitForStarted(10000)) {
        error_ = QStringLiteral("Xvfb did not start: ") + server_.errorString();
        return;
    }
    QByteArray said;
    const bool up = PollUntil(
        [&] {
            server_.waitForReadyRead(100);
            said += server_.readAllStandardOutput();
            return said.contains('\n') || server_.state() != QProcess::Running;
        },
        milliseconds(20000));
    bool number = false;
    const int n = said.trimmed().toInt(&number);
    if (!up || !number) {
        error_ = QStringLiteral("Xvfb gave no display number");
        return;
    }
    display_ = QStringLiteral(":%1").arg(n);
}

XServer::~XServer() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished(5000);
    }
}

QProcessEnvironment XServer::environment() const {
    QProcessEnvironment env = vorn::test::PrivateEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

ToolResult XServer::run(const QString& program, const QStringList& arguments,
                        milliseconds limit) const {
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    ToolResult result;
    const QString line = program + u' ' + arguments.join(u' ');
    if (!tool.waitForFinished(static_cast<int>(limit.count()))) {
        result.error = line + QStringLiteral(": ") + tool.errorString();
        tool.kill();
        tool.waitForFinished(1000);
        return result;
    }
    result.out = tool.readAllStandardOutput();
    if (tool.exitStatus() != QProcess::NormalExit) {
        result.error = line + QStringLiteral(": crashed");
        return result;
    }
    result.status = tool.exitCode();
    if (result.status != 0)
        result.error = line + QStringLiteral(": status %1: ").arg(result.status) +
                       QString::fromLocal8Bit(tool.readAllStandardError());
    return result;
}

} // namespace vorn::x11
