#include "regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

OpenOutcome OpenRegularFile(QFile& file, const QString& path, int* error, LastLink link) {
    // O_NONBLOCK so that opening a FIFO without a writer returns at once; the
    // type is then asked of what was opened, not of the name, which another
    // process could change in between. Regular files ignore O_NONBLOCK.
    const int noFollow = link == LastLink::Refused ? O_NOFOLLOW : 0;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | noFollow);
    if (fd < 0) {
        if (error) *error = errno;
        if (errno == ELOOP && noFollow) return OpenOutcome::NotRegular;
        return errno == ENOENT || errno == ENOTDIR ? OpenOutcome::Missing : OpenOutcome::Unreadable;
    }
    struct stat status {};
    const bool known = ::fstat(fd, &status) == 0;
    const OpenOutcome outcome = !known                     ? OpenOutcome::Unreadable
                                : S_ISDIR(status.st_mode)  ? OpenOutcome::Folder
                                : !S_ISREG(status.st_mode) ? OpenOutcome::NotRegular
                                                           : OpenOutcome::Opened;
    if (outcome != OpenOutcome::Opened ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return outcome == OpenOutcome::Opened ? OpenOutcome::Unreadable : outcome;
    }
    return OpenOutcome::Opened;
}

} // namespace vorn
