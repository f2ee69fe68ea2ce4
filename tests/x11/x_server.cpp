#include "x_server.h"

#include "support/private_environment.h"

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
    const bool up = test::ReadUntil(
        server_, said, [&] { return said.contains('\n') || server_.state() != QProcess::Running; },
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
    test::EndProcess(server_);
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
    return test::RunTool(environment(), QStringList{program} + arguments, limit);
}

} // namespace vorn::x11
