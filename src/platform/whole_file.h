#pragma once
// Writing a file whole or not at all, and never through a symbolic link. The
// bytes go to a new file of the writer's own in the target's folder, are
// synced to disk and then take the target's name in one step, so that a crash
// or a full disk never leaves half a file where the old one was. A link at
// the target (dangling or not), a FIFO, a device or a folder is refused: in a
// shared folder a planted link would send the output to any file the writer
// may write. A replaced file keeps its permissions.
//
// In a folder others may write, the new file is where they could meddle: it
// is written without a name where the file system allows (O_TMPFILE), and is
// given one, 64 random bits, only when written; elsewhere it is created under
// such a name exclusively, never through a link, and private to the writer
// until written. What takes the target's name is checked to be that very
// file, before and after: one put in its place by another is refused.

#include "descriptor.h"
#include "file_failure.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <sys/types.h>
#include <variant>

namespace vorn {

// An open folder that files are written into by name, so that the folder
// cannot be swapped for a link between looking at it and writing.
class OutputFolder {
public:
    // The folder that holds `path`, as the user named it (links on the way
    // to it are the user's own and are followed).
    static std::variant<OutputFolder, FileFailure> Holding(const QString& path);
    // The folder `name` inside this one, made when missing (then `made` is
    // set); a link or anything but a folder there is refused.
    std::variant<OutputFolder, FileFailure> folder(const QString& name, bool& made) const;
    // Takes away the file or empty folder `name` (what a failed write made).
    void remove(const QString& name) const;

    QString path() const { return path_; }
    QString pathOf(const QString& name) const;
    int descriptor() const { return fd_->get(); }

private:
    OutputFolder(std::shared_ptr<const Descriptor> fd, QString path);
    std::shared_ptr<const Descriptor> fd_; // closed with the last copy
    QString path_;
};

// A file written beside its target, not yet in place; taken away when it goes
// without having been put in place.
class AsideFile {
public:
    // Which file it is: what a name found later must still be.
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const Identity&) const = default;
    };
    // `file`: kept open until put in place, so that its inode cannot be
    // given to another file meanwhile.
    AsideFile(OutputFolder folder, QString name, QString asideName,
              std::shared_ptr<const Descriptor> file, Identity identity);
    AsideFile(AsideFile&& other) noexcept;
    AsideFile& operator=(AsideFile&&) = delete;
    AsideFile(const AsideFile&) = delete;
    AsideFile& operator=(const AsideFile&) = delete;
    ~AsideFile();

    std::optional<FileFailure> putInPlace();

private:
    OutputFolder folder_;
    QString name_;
    QString asideName_; // empty once in place
    std::shared_ptr<const Descriptor> file_;
    Identity identity_;
};

std::variant<AsideFile, FileFailure> WriteAside(const OutputFolder& folder, const QString& name,
                                                const QByteArray& bytes);
std::optional<FileFailure> WriteWholeIn(const OutputFolder& folder, const QString& name,
                                        const QByteArray& bytes);
std::optional<FileFailure> WriteWholeFile(const QString& path, const QByteArray& bytes);

// The same, the problem said in Bulgarian and naming the file.
std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes);

} // namespace vorn
