#include "cage_session.h"

#include "support/confined_run.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace vorn::session {

namespace {

const bool kAsRoot = ::geteuid() == 0;
constexpr int kNobody = 65534;

// As root, what the session reads and writes becomes the session user's.
void GiveToSession(const QString& path) {
    if (kAsRoot && ::chown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0)
        ADD_FAILURE() << "cannot give " << path.toStdString() << " to the session's user";
}

} // namespace

CageSession::CageSession() {
    QFile::setPermissions(dir_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    GiveToSession(dir_.path());
}

QString CageSession::write(const QString& name, const QByteArray& bytes) const {
    const QString file = path(name);
    WriteFileBytes(file, bytes);
    GiveToSession(file);
    return file;
}

void CageSession::start(const QString& config) {
    // The shim stands first on the PATH as "vorn-player".
    const QString shims = path(QStringLiteral("bin"));
    QDir().mkpath(shims);
    QFile::link(QStringLiteral(VORN_PLAYER_SHIM), shims + QStringLiteral("/vorn-player"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys())
        if (name.startsWith(QLatin1String("WAYLAND_")) || name == QLatin1String("DISPLAY") ||
            name.startsWith(QLatin1String("QT_")) || name.startsWith(QLatin1String("DBUS_")))
            env.remove(name);
    env.insert("PATH", shims + QStringLiteral(":/usr/bin:/bin"));
    env.insert("HOME", dir_.path());
    env.insert("XDG_RUNTIME_DIR", dir_.path());
    env.insert("WLR_BACKENDS", "headless");
    env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    env.insert("WLR_RENDERER", "pixman"); // no GPU
    env.insert("VORN_EXAM_CONF", config);
    env.insert("VORN_TEST_WINDOW_LOG", path(QStringLiteral("windows.log")));
    env.insert("VORN_TEST_DIR", dir_.path());
    env.insert("VORN_TEST_PLAYER", QStringLiteral(VORN_PLAYER_PATH));
    cage_.setProcessEnvironment(env);
    cage_.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList command = test::AsAnotherUser({QStringLiteral(VORN_SESSION_SCRIPT)});
    cage_.start(command.first(), command.mid(1));
}

QString CageSession::log() const {
    return QString::fromUtf8(FileBytes(path(QStringLiteral("windows.log"))));
}

bool CageSession::waitForLog(const QString& part, milliseconds limit) const {
    return test::PollUntil([&] { return log().contains(part); }, limit);
}

ToolResult CageSession::runClient(Reach reach, const QStringList& command,
                                  const QStringList& environment) const {
    QProcessEnvironment env = cage_.processEnvironment();
    env.insert("WAYLAND_DISPLAY", reach == Reach::TestsLink ? path(QStringLiteral("socket"))
                                                            : QStringLiteral("wayland-0"));
    env.insert("QT_QPA_PLATFORM", "wayland");
    for (const QString& setting : environment)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    return test::RunTool(env, test::AsAnotherUser(command), milliseconds(20000), true);
}

QImage CageSession::screenshot() const {
    const QString shot = path(QStringLiteral("shot.png"));
    QFile::remove(shot);
    if (runClient(Reach::TestsLink, {QStringLiteral("grim"), shot}).status != 0) return {};
    return QImage(shot);
}

bool CageSession::endPlayer() const {
    QFile file(path(QStringLiteral("player.pid")));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const pid_t pid = file.readAll().trimmed().toInt();
    return pid > 0 && ::kill(pid, SIGTERM) == 0;
}

bool CageSession::waitForEnd(milliseconds limit) {
    return test::ReadUntil(
        cage_, said_, [&] { return cage_.state() == QProcess::NotRunning; }, limit);
}

QString CageSession::said() {
    said_ += cage_.readAll();
    return QString::fromUtf8(said_);
}

} // namespace vorn::session
