#include "player_window.h"

#include "xwd_image.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace vorn::x11 {

namespace {

constexpr int kClientWidth = Px(10905); // 727
constexpr int kClientHeight = Px(6945); // 463

QStringList VisibleWindows(const XServer& server, qint64 group) {
    const ToolResult r = server.run(QStringLiteral("xdotool"),
                                    {"search", "--onlyvisible", "--pid", QString::number(group)});
    return QString::fromLatin1(r.out).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

PlayerWindow::PlayerWindow(const XServer& server, const QStringList& arguments,
                           const QStringList& unset)
    : server_(server) {
    QProcessEnvironment env = server.environment();
    for (const QString& name : unset)
        env.remove(name);
    player_.setProcessEnvironment(env);
    player_.setChildProcessModifier([] { setpgid(0, 0); });
    player_.start(QStringLiteral(VORN_PLAYER_PATH), arguments);
    if (player_.waitForStarted(10000))
        group_ = player_.processId();
    else
        error_ = QStringLiteral("the player did not start: ") + player_.errorString();
}

bool PlayerWindow::waitForWindow(milliseconds limit) {
    if (group_ <= 0) return false;
    const QString pid = QString::number(group_);
    ToolResult geometry;
    int x = 0, y = 0, height = 0;
    // The one visible window must be the test window: right after the
    // student's dialog closes, the dialog may still be found and then be gone
    // before its geometry is read, so both are read again until they agree.
    const auto testWindowShown = [&] {
        const QStringList shown = VisibleWindows(server_, group_);
        if (shown.size() != 1) return false;
        window_ = shown.front();
        geometry =
            server_.run(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", window_});
        x = y = height = 0;
        for (const QByteArray& line : geometry.out.split('\n')) {
            const QList<QByteArray> pair = line.split('=');
            if (pair.size() != 2) continue;
            if (pair[0] == "X") x = pair[1].toInt();
            if (pair[0] == "Y") y = pair[1].toInt();
            if (pair[0] == "HEIGHT") height = pair[1].toInt();
        }
        return geometry.status == 0 && height >= kClientHeight;
    };
    if (!PollUntil(testWindowShown, limit)) {
        const ToolResult all = server_.run(QStringLiteral("xdotool"), {"search", "--pid", pid});
        const bool ended = player_.waitForFinished(100);
        error_ = QStringLiteral("no test window of the player appeared (%1; its windows: %2; "
                                "last geometry: %3 %4)")
                     .arg(!ended ? QStringLiteral("still running")
                          : player_.exitStatus() == QProcess::CrashExit
                              ? QStringLiteral("it crashed")
                              : QStringLiteral("it ended with status %1").arg(player_.exitCode()),
                          QString::fromLatin1(all.out).simplified(),
                          QString::fromLatin1(geometry.out).simplified(), geometry.error);
        return false;
    }
    // As a window manager gives a new window the keyboard: without it the
    // window is never active, and its shortcuts never fire.
    server_.run(QStringLiteral("xdotool"), {"windowfocus", "--sync", window_});
    client_ = QRect(x, y + height - kClientHeight, kClientWidth, kClientHeight);
    return true;
}

QString PlayerWindow::waitForDialog(milliseconds limit) {
    QStringList shown;
    if (group_ <= 0 ||
        !PollUntil([&] { return (shown = VisibleWindows(server_, group_)).size() == 1; }, limit)) {
        error_ = QStringLiteral("no dialog of the player appeared");
        return {};
    }
    server_.run(QStringLiteral("xdotool"), {"windowfocus", "--sync", shown.front()});
    return shown.front();
}

bool PlayerWindow::waitForQuestion(milliseconds limit, const QString& titlePart) {
    QString question;
    const auto titled = [&](const QString& w) {
        return QString::fromUtf8(server_.run(QStringLiteral("xdotool"), {"getwindowname", w}).out)
            .contains(titlePart);
    };
    const bool found = PollUntil(
        [&] {
            for (const QString& w : VisibleWindows(server_, group_))
                if (w.trimmed() != window_ && titled(w.trimmed())) question = w.trimmed();
            return !question.isEmpty();
        },
        limit);
    if (!found) {
        error_ = QStringLiteral("no question over the test window appeared");
        return false;
    }
    return server_.run(QStringLiteral("xdotool"), {"windowfocus", "--sync", question}).status == 0;
}

bool PlayerWindow::waitForQuestionGone(milliseconds limit) {
    return PollUntil([&] { return VisibleWindows(server_, group_).size() == 1; }, limit);
}

bool PlayerWindow::key(const QString& keys) {
    const ToolResult r = server_.run(QStringLiteral("xdotool"), {"key", "--delay", "50", keys});
    error_ = r.error;
    return r.status == 0;
}

void PlayerWindow::killHard() {
    if (group_ > 0) ::kill(static_cast<pid_t>(-group_), SIGKILL);
    player_.waitForFinished(5000);
}

QString PlayerWindow::title() const {
    return QString::fromUtf8(server_.run(QStringLiteral("xdotool"), {"getwindowname", window_}).out)
        .trimmed();
}

QString PlayerWindow::error() {
    return error_ + QStringLiteral("\nthe player said: ") +
           QString::fromLocal8Bit(player_.readAllStandardError());
}

bool PlayerWindow::click(QPoint twips) {
    const QPoint at = client_.topLeft() + QPoint(Px(twips.x()), Px(twips.y()));
    const ToolResult r =
        server_.run(QStringLiteral("xdotool"),
                    {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    error_ = r.error;
    return r.status == 0;
}

QImage PlayerWindow::screenshot() {
    const ToolResult r = server_.run(QStringLiteral("xwd"), {"-root", "-silent"});
    error_ = r.error;
    if (r.status != 0) return {};
    const QImage screen = DecodeXwd(r.out);
    if (screen.isNull()) error_ = QStringLiteral("xwd wrote no image this test reads");
    return screen.isNull() ? QImage() : screen.copy(client_);
}

bool PlayerWindow::requestClose() {
    const ToolResult r = server_.run(QStringLiteral(VORN_CLOSE_WINDOW_PATH), {window_});
    error_ = r.error;
    return r.status == 0;
}

int PlayerWindow::waitForExit(milliseconds limit) {
    if (!player_.waitForFinished(static_cast<int>(limit.count()))) return -1;
    return player_.exitStatus() == QProcess::NormalExit ? player_.exitCode() : -1;
}

bool PlayerWindow::anyProcessLeft() const {
    // A child that is ending as the player ends gets a moment to go.
    return !PollUntil(
        [this] { return ::kill(static_cast<pid_t>(-group_), 0) != 0 && errno == ESRCH; },
        milliseconds(3000));
}

} // namespace vorn::x11
