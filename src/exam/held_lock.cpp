#include "held_lock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vorn {

HeldLock::HeldLock(const QString& path) {
    // Never through a link: in a shared folder it could point anywhere.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error_ = errno;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

HeldLock::~HeldLock() {
    if (fd_ >= 0) ::close(fd_); // lets go of the lock
}

} // namespace vorn
