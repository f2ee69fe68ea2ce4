#pragma once
// The environment a test gives the player it starts: the machine's, but with
// a home, data and runtime folder of the test's own and no session bus, so
// that nothing the player does (or that a library does for it, such as
// libdbus starting a session bus for an X display) reaches or outlives the
// machine's session.

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace vorn::test {

inline QProcessEnvironment PrivateEnvironment() {
    static const QTemporaryDir root;
    static const bool made = [] {
        for (const char* sub : {"home", "runtime"})
            QDir(root.path()).mkpath(QString::fromLatin1(sub));
        return QFile::setPermissions(root.filePath("runtime"), QFileDevice::ReadOwner |
                                                                   QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner);
    }();
    (void)made;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = root.filePath(QStringLiteral("home"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("runtime")));
    // "disabled:" makes libdbus refuse the session bus instead of launching one.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    return env;
}

} // namespace vorn::test
