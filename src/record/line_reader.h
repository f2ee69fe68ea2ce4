#pragma once
// The lines of a device, read in fixed chunks so that memory stays bounded
// whatever the file holds: a line longer than the limit is drained to its
// end without being kept and comes back as too long. A last line without its
// newline still counts; the newline itself is never part of a line. Each
// line's storage may keep room for more bytes after its end, readable
// though not part of it, for a reader that looks ahead (simdjson's).

#include <QByteArray>
#include <QIODevice>
#include <optional>
#include <vector>

namespace vorn {

struct ReadLine {
    qint64 number = 0;              // 1-based
    std::optional<QByteArray> text; // none when longer than the limit
    bool unfinished = false;        // the last line, without its newline
};

class LineReader {
public:
    // `room`: the bytes each line's storage keeps after its end.
    LineReader(QIODevice& device, qsizetype maxLength, qsizetype room = 0);

    // The next line into `line`, whose text's storage is used again: false
    // at the end of the device or after a read error.
    bool next(ReadLine& line);
    bool failed() const { return failed_; }

private:
    bool refill();

    QIODevice& device_;
    qsizetype maxLength_;
    qsizetype room_;
    std::vector<char> chunk_;
    qsizetype filled_ = 0;
    qsizetype position_ = 0;
    qint64 number_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

} // namespace vorn
