#include "results_file.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace vorn {

namespace {

QString SystemReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("няма място на диска");
    case EACCES:
    case EPERM:
        return QStringLiteral("няма права за запис");
    case ENOENT:
        return QStringLiteral("папката не съществува");
    case ENOTDIR:
        return QStringLiteral("част от пътя не е папка");
    case EISDIR:
        return QStringLiteral("това е папка, а не файл");
    case EROFS:
        return QStringLiteral("файловата система е само за четене");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// Read and write where the file may be read, so that its last byte can be
// checked; write only where it may not.
int OpenForAppend(const QByteArray& path, bool& readable) {
    int fd = ::open(path.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    readable = fd >= 0;
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    return fd;
}

// Which lock file stands at the path (every new lock is a new file); all
// zero when none.
using LockIdentity = std::tuple<dev_t, ino_t, time_t, long>;
LockIdentity IdentityOf(const QString& lockPath) {
    struct stat status {};
    if (::stat(QFile::encodeName(lockPath).constData(), &status) != 0) return {};
    return {status.st_dev, status.st_ino, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

// Tries often, with a little jitter, rather than QLockFile's own doubling
// sleeps: a whole class finishing at once holds the lock only briefly each.
// QLockFile itself takes over the lock of a process that died on this
// computer. A lock that stays the same file for most of the wait is taken
// over too (a writer that died elsewhere, or before naming itself), unless a
// live process still holds it locked; its age is measured on this computer's
// clock, as the file's time may come from another's.
bool Lock(QLockFile& lock, const QString& lockPath, std::chrono::milliseconds wait) {
    lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(wait);
    QElapsedTimer unchanged;
    unchanged.start();
    LockIdentity seen{};
    for (;;) {
        if (lock.tryLock(0)) return true;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
        const LockIdentity standing = IdentityOf(lockPath);
        if (standing != seen) {
            seen = standing;
            unchanged.start();
        } else if (unchanged.hasExpired(wait.count() * 4 / 5) && lock.removeStaleLockFile()) {
            continue;
        }
        QThread::msleep(QRandomGenerator::global()->bounded(2, 20));
    }
}

QString LockReason(const QLockFile& lock, const QString& lockPath, std::chrono::milliseconds wait) {
    if (lock.error() == QLockFile::LockFailedError)
        return QStringLiteral("друг запис държи файла заключен („%1“) повече от %2 s")
            .arg(lockPath, QLocale(QLocale::Bulgarian).toString(wait.count() / 1000.0));
    return QStringLiteral("заключващият файл „%1“ не може да се създаде").arg(lockPath);
}

// Cuts off what this write added; the failure being reported says enough if
// even that fails.
void CutBack(int fd, off_t size) {
    [[maybe_unused]] const int cut = ::ftruncate(fd, size);
}

bool EndsInNewline(int fd, off_t size) {
    char last = '\n';
    return ::pread(fd, &last, 1, size - 1) != 1 || last == '\n';
}

// A new file's name is on disk only once its folder is.
void SyncFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<QString> AppendRecordLine(const QString& path, QByteArray line,
                                        std::chrono::milliseconds lockWait) {
    // Opened before locking: the most exact reason when the path cannot be written.
    bool readable = false;
    Descriptor file(OpenForAppend(QFile::encodeName(path), readable));
    if (file.get() < 0) return SystemReason(errno);

    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!Lock(lock, lockPath, lockWait)) return LockReason(lock, lockPath, lockWait);

    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return SystemReason(errno);
    const bool regular = S_ISREG(status.st_mode);
    const off_t before = status.st_size;
    if (regular && before > 0 && readable && !EndsInNewline(file.get(), before)) line.prepend('\n');

    const ssize_t written = ::write(file.get(), line.constData(), std::size_t(line.size()));
    const int writeError = errno;
    if (written != line.size()) {
        if (regular) CutBack(file.get(), before);
        return written < 0 ? SystemReason(writeError)
                           : QStringLiteral("записът прекъсна след %1 от %2 байта")
                                 .arg(written)
                                 .arg(line.size());
    }
    if (::fsync(file.get()) != 0) {
        const int syncError = errno;
        if (regular) CutBack(file.get(), before);
        return SystemReason(syncError);
    }
    if (regular && before == 0) SyncFolder(path);
    if (!file.close()) return SystemReason(errno);
    return std::nullopt;
}

} // namespace vorn
