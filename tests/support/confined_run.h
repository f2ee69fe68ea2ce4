#pragma once
// Running a program where a file fails as it does in a lab: as a user who is
// not the file's owner (nobody, when the tests run as root, whom no
// permission stops), or on a small disk of its own that is full or read-only
// (a tmpfs in a mount namespace of its own, which no other process sees).

#include <QProcess>
#include <QStringList>
#include <unistd.h>

namespace vorn::test {

struct Finished {
    int status = -1;
    QString out, err;
};

inline Finished RunCommand(const QStringList& command) {
    QProcess process;
    process.start(command.front(), command.mid(1));
    if (!process.waitForFinished(20000)) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QStringList AsAnotherUser(const QStringList& command) {
    if (::geteuid() != 0) return command;
    return QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
}

// Exit status when the disk could not be made (no user namespaces here).
inline constexpr int kNoSmallDisk = 99;

enum class Disk { Full, ReadOnly };

// `command` with a 16 KiB tmpfs at `folder`, filled or made read-only first.
inline QStringList OnASmallDisk(const QString& folder, Disk disk, const QStringList& command) {
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=16k vorn \"$1\" || exit 99; ") +
        (disk == Disk::Full ? QStringLiteral("cat /dev/zero > \"$1/fill\" 2>/dev/null; ")
                            : QStringLiteral("mount -o remount,ro \"$1\" || exit 99; ")) +
        QStringLiteral("shift; exec \"$@\"");
    return QStringList{"unshare", "--map-root-user", "--mount", "sh", "-c", script, "sh", folder} +
           command;
}

} // namespace vorn::test
