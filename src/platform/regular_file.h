#pragma once
// Opening a file for reading only when it is a regular file: a FIFO, a
// device such as /dev/zero, a socket or a folder given where a file is
// expected would block the reader or never end.

#include <QFile>
#include <QString>

namespace vorn {

enum class OpenOutcome { Opened, Missing, Folder, NotRegular, Unreadable };

// Whether a symbolic link at the path itself is followed. Refused where the
// folder is shared: a classmate's link could point at any file of the reader.
enum class LastLink { Followed, Refused };

// On Opened, `file` is open read-only on `path`; otherwise it stays closed.
// On Unreadable, `error` (when given) is the system's errno. A refused link
// is NotRegular.
OpenOutcome OpenRegularFile(QFile& file, const QString& path, int* error = nullptr,
                            LastLink link = LastLink::Followed);

} // namespace vorn
