#pragma once
// Appending a record to a results file that many players share, perhaps on a
// shared folder at the same moment. A record is written whole or not at all,
// as one write of the complete line at the file's end (O_APPEND: never into
// another writer's line), flushed to disk before success is told. Writers
// take turns under the kernel's lock on the file itself (which every writer
// can take and which goes with a writer that died), so that each finds the
// line before its own; but anyone who may read the file may hold that lock,
// so after a bounded wait the record is appended all the same. A line left
// unfinished by a writer that crashed is not continued: the record starts on
// a new line, and always so where the file may be appended to but not read.
// A short write is cut back while nothing follows it; earlier records are
// never touched. Only a regular file is written: a symbolic link, a FIFO or
// a device at the path is refused.

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

namespace vorn {

// How long a player waits for another one's lock before appending without
// it: a whole class finishing at once holds it far shorter.
inline constexpr std::chrono::milliseconds kResultsLockWait{5'000};

// None when the line is on disk; otherwise why not, as a Bulgarian phrase.
std::optional<QString> AppendRecordLine(const QString& path, QByteArray line,
                                        std::chrono::milliseconds lockWait = kResultsLockWait);

// The line to append (with its newline), made (under the lock, when it was
// had) from the last
// line of the file that is not blank: empty when the file has none, none when
// the file cannot be read back (a folder students may only write to).
using LineAfter = std::function<QByteArray(const std::optional<QByteArray>& lastLine)>;
std::optional<QString> AppendRecordLine(const QString& path, const LineAfter& line,
                                        std::chrono::milliseconds lockWait = kResultsLockWait);

} // namespace vorn
