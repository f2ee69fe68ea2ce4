#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

QByteArray Encoded(const QString& name) {
    return QFile::encodeName(name);
}

std::shared_ptr<const Descriptor> Owned(int fd) {
    return std::make_shared<const Descriptor>(fd);
}

// Every byte, or the reason it stopped.
int WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// What stands at the target, link or not: none when it may be replaced, and
// the permissions a replacement keeps.
std::optional<FileFailure> CheckTarget(const OutputFolder& folder, const QString& name,
                                       std::optional<mode_t>& keptMode) {
    struct stat status {};
    const QString path = folder.pathOf(name);
    if (::fstatat(folder.descriptor(), Encoded(name).constData(), &status, AT_SYMLINK_NOFOLLOW) !=
        0)
        return errno == ENOENT ? std::nullopt : std::optional(FailureOf(path, errno));
    if (S_ISLNK(status.st_mode)) return LinkRefused(path);
    if (S_ISDIR(status.st_mode)) return FailureOf(path, EISDIR);
    if (!S_ISREG(status.st_mode)) return NotARegularFile(path);
    keptMode = status.st_mode & 07777;
    return std::nullopt;
}

// ".vorn-<64 random bits>.part": a name nobody can guess beforehand.
QString AsideName() {
    return QStringLiteral(".vorn-%1.part")
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Tries fresh names for `make` until one is free; -1 with errno otherwise.
template <typename Make> int UnderAFreshName(QString& asideName, Make make) {
    for (int tries = 0; tries < 16; ++tries) {
        asideName = AsideName();
        const int result = make(Encoded(asideName));
        if (result >= 0) return result;
        if (errno != EEXIST) break;
    }
    const int error = errno;
    asideName.clear(); // none of them is this writer's
    errno = error;
    return -1;
}

// The mode a new file is made with: private to the writer while being
// written when it replaces one (its own mode follows), else what a new file
// of this user gets.
mode_t CreationMode(const std::optional<mode_t>& keptMode) {
    return keptMode ? 0600 : 0666;
}

// A new file of this writer's own in the folder, still without a name
// (`asideName` empty) where the file system makes one so. Without a name
// nobody can open, replace or plant anything in its way; /proc is needed to
// give it one later.
int CreateAside(const OutputFolder& folder, const std::optional<mode_t>& keptMode,
                QString& asideName) {
    asideName.clear();
    const mode_t mode = CreationMode(keptMode);
    if (::access("/proc/self/fd", X_OK) == 0) {
        const int fd = ::openat(folder.descriptor(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0) return fd;
    }
    return UnderAFreshName(asideName, [&](const QByteArray& name) {
        return ::openat(folder.descriptor(), name.constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    });
}

// Gives a file made without a name a fresh one; -1 with errno when it cannot.
int NameAside(const OutputFolder& folder, int fd, QString& asideName) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return UnderAFreshName(asideName, [&](const QByteArray& name) {
        return ::linkat(AT_FDCWD, self.constData(), folder.descriptor(), name.constData(),
                        AT_SYMLINK_FOLLOW);
    });
}

std::optional<AsideFile::Identity> IdentityOf(int folder, const QString& name) {
    struct stat status {};
    if (::fstatat(folder, Encoded(name).constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode))
        return std::nullopt;
    return AsideFile::Identity{status.st_dev, status.st_ino};
}

} // namespace

OutputFolder::OutputFolder(std::shared_ptr<const Descriptor> fd, QString path)
    : fd_(std::move(fd)), path_(std::move(path)) {}

std::variant<OutputFolder, FileFailure> OutputFolder::Holding(const QString& path) {
    const QString folder = QFileInfo(path).path();
    const int fd = ::open(Encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // The failure names the file: the folder is only why it could not be.
    if (fd < 0) return FailureOf(path, errno);
    return OutputFolder(Owned(fd), folder);
}

std::variant<OutputFolder, FileFailure> OutputFolder::folder(const QString& name,
                                                             bool& made) const {
    const QString path = pathOf(name);
    const QByteArray encoded = Encoded(name);
    // mkdir never follows a link, a dangling one included: nothing is made
    // through one.
    made = ::mkdirat(fd_->get(), encoded.constData(), 0777) == 0;
    if (!made && errno != EEXIST) return FailureOf(path, errno);
    const int fd =
        ::openat(fd_->get(), encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) return OutputFolder(Owned(fd), path);
    const int error = errno;
    // With O_DIRECTORY a link fails as "not a folder", whatever it points to.
    struct stat status {};
    const bool isLink =
        ::fstatat(fd_->get(), encoded.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(status.st_mode);
    if (error == ELOOP || isLink) return LinkRefused(path);
    return error == ENOTDIR ? NotAFolder(path) : FailureOf(path, error);
}

void OutputFolder::remove(const QString& name) const {
    const QByteArray encoded = Encoded(name);
    if (::unlinkat(fd_->get(), encoded.constData(), 0) != 0 && errno == EISDIR)
        ::unlinkat(fd_->get(), encoded.constData(), AT_REMOVEDIR);
}

QString OutputFolder::pathOf(const QString& name) const {
    return path_ == QStringLiteral(".") ? name : QDir(path_).filePath(name);
}

AsideFile::AsideFile(OutputFolder folder, QString name, QString asideName,
                     std::shared_ptr<const Descriptor> file, Identity identity)
    : folder_(std::move(folder)), name_(std::move(name)), asideName_(std::move(asideName)),
      file_(std::move(file)), identity_(identity) {}

AsideFile::AsideFile(AsideFile&& other) noexcept
    : folder_(other.folder_), name_(std::move(other.name_)),
      asideName_(std::exchange(other.asideName_, QString())), file_(std::move(other.file_)),
      identity_(other.identity_) {}

AsideFile::~AsideFile() {
    // Only the writer's own file: what another put under the name stays.
    if (!asideName_.isEmpty() && IdentityOf(folder_.descriptor(), asideName_) == identity_)
        folder_.remove(asideName_);
}

std::optional<FileFailure> AsideFile::putInPlace() {
    const QString path = folder_.pathOf(name_);
    // In a folder others may write, the name may have been given to another
    // file (or a link) since: that is never put in place.
    if (IdentityOf(folder_.descriptor(), asideName_) != identity_) {
        asideName_.clear();
        return ReplacedMeanwhile(path);
    }
    // The rename takes a name, never what a link there points to.
    if (::renameat(folder_.descriptor(), Encoded(asideName_).constData(), folder_.descriptor(),
                   Encoded(name_).constData()) != 0)
        return FailureOf(path, errno);
    asideName_.clear();
    ::fsync(folder_.descriptor()); // the new name is on disk only once its folder is
    // Swapped between the look and the rename: told, as it is not ours.
    const bool ours = IdentityOf(folder_.descriptor(), name_) == identity_;
    file_.reset();
    return ours ? std::nullopt : std::optional(ReplacedMeanwhile(path));
}

std::variant<AsideFile, FileFailure> WriteAside(const OutputFolder& folder, const QString& name,
                                                const QByteArray& bytes) {
    const QString path = folder.pathOf(name);
    std::optional<mode_t> keptMode;
    if (auto refused = CheckTarget(folder, name, keptMode)) return *refused;
    QString asideName;
    const auto fd = Owned(CreateAside(folder, keptMode, asideName));
    struct stat status {};
    if (fd->get() < 0 || ::fstat(fd->get(), &status) != 0) return FailureOf(path, errno);
    const AsideFile::Identity identity{status.st_dev, status.st_ino};
    AsideFile aside(folder, name, asideName, fd, identity); // taken away if it goes unwritten
    if (keptMode) ::fchmod(fd->get(), *keptMode);
    if (const int error = WriteAll(fd->get(), bytes)) return FailureOf(path, error);
    if (!asideName.isEmpty()) return aside;
    if (NameAside(folder, fd->get(), asideName) < 0) return FailureOf(path, errno);
    return AsideFile(folder, name, asideName, fd, identity);
}

std::optional<FileFailure> WriteWholeIn(const OutputFolder& folder, const QString& name,
                                        const QByteArray& bytes) {
    auto aside = WriteAside(folder, name, bytes);
    if (auto* failed = std::get_if<FileFailure>(&aside)) return *failed;
    return std::get<AsideFile>(aside).putInPlace();
}

std::optional<FileFailure> WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty()) return FailureOf(path, EISDIR);
    auto folder = OutputFolder::Holding(path);
    if (auto* failed = std::get_if<FileFailure>(&folder)) return *failed;
    return WriteWholeIn(std::get<OutputFolder>(folder), name, bytes);
}

std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes) {
    if (auto failed = WriteWholeFile(path, bytes)) return failed->said();
    return std::nullopt;
}

} // namespace vorn
