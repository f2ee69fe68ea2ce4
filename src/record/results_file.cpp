#include "results_file.h"

#include "platform/file_failure.h"
#include "results_reading.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

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
// checked; write only where it may not. Never through a link (in a shared
// folder a link could point a student's record at any file the player may
// write), and without waiting: a FIFO would block the open.
int OpenForAppend(const QByteArray& path, bool& readable) {
    constexpr int kFlags = O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(path.constData(), O_RDWR | kFlags, 0666);
    readable = fd >= 0;
    if (fd < 0 && errno == EACCES) fd = ::open(path.constData(), O_WRONLY | kFlags, 0666);
    return fd;
}

// The lock is the kernel's, on the results file itself: every writer of any
// user can take it, and it goes with the process that held it, however that
// ended. Tried often, with a little jitter: a whole class finishing at once
// holds it only briefly each. Not had in time, it is someone's who keeps it
// (a classmate may, with the file open for reading), and the caller appends
// without it.
void WaitForTurn(int fd, std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return;
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) return;
        QThread::msleep(QRandomGenerator::global()->bounded(2, 20));
    }
}

// Takes back what this write added, from `from` to `end`, but only while it
// is still the file's end: a writer that went on without the lock may have
// appended after it, and that record stays. The failure being reported says
// enough if even that fails.
void CutBack(int fd, off_t from, off_t end) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_size != end) return;
    [[maybe_unused]] const int cut = ::ftruncate(fd, from);
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

// The last line of the file that is not blank, read back from the end a
// chunk at a time; none when it is longer than any record can be.
std::optional<QByteArray> LastLine(int fd, off_t size) {
    constexpr off_t kChunk = 64 * 1024;
    QByteArray tail; // the end of the file, as far as it is read
    for (off_t from = size;;) {
        const QList<QByteArray> lines = tail.split('\n');
        for (qsizetype i = lines.size() - 1; i >= 0; --i) {
            if (lines[i].trimmed().isEmpty()) continue;
            if (i > 0 || from == 0) return lines[i];
            break; // it may begin before what has been read
        }
        if (from == 0) return QByteArray();
        if (tail.size() > kMaxRecordLineBytes) return std::nullopt;
        const off_t start = std::max<off_t>(0, from - kChunk);
        QByteArray chunk(qsizetype(from - start), Qt::Uninitialized);
        if (::pread(fd, chunk.data(), std::size_t(chunk.size()), start) != chunk.size())
            return std::nullopt;
        tail.prepend(chunk);
        from = start;
    }
}

} // namespace

std::optional<QString> AppendRecordLine(const QString& path, QByteArray line,
                                        std::chrono::milliseconds lockWait) {
    return AppendRecordLine(
        path, [&line](const std::optional<QByteArray>&) { return line; }, lockWait);
}

std::optional<QString> AppendRecordLine(const QString& path, const LineAfter& makeLine,
                                        std::chrono::milliseconds lockWait) {
    bool readable = false;
    Descriptor file(OpenForAppend(QFile::encodeName(path), readable));
    if (file.get() < 0) return SystemReason(errno);
    // Only a regular file takes records: what the descriptor is, not what the
    // name was a moment ago.
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return SystemReason(errno);
    if (!S_ISREG(status.st_mode)) return QStringLiteral("това не е обикновен файл");
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);

    WaitForTurn(file.get(), lockWait);
    if (::fstat(file.get(), &status) != 0) return SystemReason(errno);
    const off_t before = status.st_size;
    QByteArray line = makeLine(readable ? LastLine(file.get(), before) : std::nullopt);
    // Where the file may not be read (appending only, as a teacher may allow),
    // its last line cannot be checked: a new line in any case, as a blank
    // line costs a reader nothing and a record glued to a fragment is lost.
    if (before > 0 && (!readable || !EndsInNewline(file.get(), before))) line.prepend('\n');

    const ssize_t written = ::write(file.get(), line.constData(), std::size_t(line.size()));
    const int writeError = errno;
    // O_APPEND leaves the offset at the end of what this write added, wherever
    // another writer's record put it.
    const off_t end = ::lseek(file.get(), 0, SEEK_CUR);
    if (written != line.size()) {
        if (written > 0) CutBack(file.get(), end - written, end);
        return written < 0 ? SystemReason(writeError)
                           : QStringLiteral("записът прекъсна след %1 от %2 байта")
                                 .arg(QString::number(written), QString::number(line.size()));
    }
    if (::fsync(file.get()) != 0) {
        const int syncError = errno;
        CutBack(file.get(), end - written, end);
        return SystemReason(syncError);
    }
    if (before == 0) SyncFolder(path);
    if (!file.close()) return SystemReason(errno);
    return std::nullopt;
}

} // namespace vorn
