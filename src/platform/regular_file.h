#pragma once
// Opening a file for reading only when it is a regular file: a FIFO, a
// device such as /dev/zero, a socket or a folder given where a file is
// expected would block the reader or never end.

#include <QFile>
#include <QString>

namespace vorn {

enum class OpenOutcome { Opened, Missing, Folder, NotRegular, Unreadable };

// On Opened, `file` is open read-only on `path`; otherwise it stays closed.
// On Unreadable, `error` (when given) is the system's errno.
OpenOutcome OpenRegularFile(QFile& file, const QString& path, int* error = nullptr);

} // namespace vorn
