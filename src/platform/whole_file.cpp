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

// A new file of this writer's own in the folder: created exclusively, so that
// nothing planted under its name is written into.
int CreateAside(const OutputFolder& folder, QString& asideName) {
    for (int tries = 0; tries < 16; ++tries) {
        asideName = QStringLiteral(".vorn-%1.part")
                        .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        const int fd = ::openat(folder.descriptor(), Encoded(asideName).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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

AsideFile::AsideFile(OutputFolder folder, QString name, QString asideName)
    : folder_(std::move(folder)), name_(std::move(name)), asideName_(std::move(asideName)) {}

AsideFile::AsideFile(AsideFile&& other) noexcept
    : folder_(other.folder_), name_(std::move(other.name_)),
      asideName_(std::exchange(other.asideName_, QString())) {}

AsideFile::~AsideFile() {
    if (!asideName_.isEmpty()) folder_.remove(asideName_);
}

std::optional<FileFailure> AsideFile::putInPlace() {
    // Should a link have been planted at the name since it was looked at, the
    // rename replaces the link itself, never what it points to.
    if (::renameat(folder_.descriptor(), Encoded(asideName_).constData(), folder_.descriptor(),
                   Encoded(name_).constData()) != 0)
        return FailureOf(folder_.pathOf(name_), errno);
    asideName_.clear();
    ::fsync(folder_.descriptor()); // the new name is on disk only once its folder is
    return std::nullopt;
}

std::variant<AsideFile, FileFailure> WriteAside(const OutputFolder& folder, const QString& name,
                                                const QByteArray& bytes) {
    std::optional<mode_t> keptMode;
    if (auto refused = CheckTarget(folder, name, keptMode)) return *refused;
    QString asideName;
    const int fd = CreateAside(folder, asideName);
    if (fd < 0) return FailureOf(folder.pathOf(name), errno);
    AsideFile aside(folder, name, asideName);
    if (keptMode) ::fchmod(fd, *keptMode);
    const int error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && error == 0) return FailureOf(folder.pathOf(name), errno);
    if (error != 0) return FailureOf(folder.pathOf(name), error);
    return aside;
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
