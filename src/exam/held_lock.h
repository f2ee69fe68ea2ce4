#pragma once
// A lock held for as long as its owner lives: flock on a file of its own,
// which the system lets go of however the process ends (a crash, SIGKILL), so
// that it never goes stale. The file stays; only the lock goes.

#include <QString>
#include <cerrno>

namespace vorn {

class HeldLock {
public:
    // Takes the lock on `path` (made when missing) without waiting; held()
    // says whether it was had.
    explicit HeldLock(const QString& path);
    ~HeldLock();
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Not held because another holds it (rather than the file failing).
    bool busy() const { return error_ == EWOULDBLOCK; }
    // Why it is not held: errno, EWOULDBLOCK when another holds it.
    int error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace vorn
