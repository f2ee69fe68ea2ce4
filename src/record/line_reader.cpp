#include "line_reader.h"

#include <cstring>

namespace vorn {

namespace {

constexpr qsizetype kChunkBytes = 64 * 1024;
// A line's storage is used again up to this size: far more than a record
// takes, and little enough that storage kept for a long line once is not
// held by every line after it.
constexpr qsizetype kKeptStorage = 16 * 1024;

} // namespace

LineReader::LineReader(QIODevice& device, qsizetype maxLength, qsizetype room)
    : device_(device), maxLength_(maxLength), room_(room), chunk_(kChunkBytes) {}

bool LineReader::refill() {
    if (atEnd_) return false;
    const qint64 got = device_.read(chunk_.data(), kChunkBytes);
    position_ = 0;
    filled_ = got > 0 ? static_cast<qsizetype>(got) : 0;
    if (got < 0) failed_ = true;
    atEnd_ = got <= 0;
    return got > 0;
}

bool LineReader::next(ReadLine& line) {
    // Emptied, not released: a line of the same length needs no new memory.
    QByteArray text =
        line.text && line.text->capacity() <= kKeptStorage ? std::move(*line.text) : QByteArray();
    text.resize(0);
    bool tooLong = false;
    bool started = false;
    bool ended = false;
    while (position_ < filled_ || refill()) {
        started = true;
        const char* start = chunk_.data() + position_;
        const auto available = static_cast<std::size_t>(filled_ - position_);
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
        const qsizetype length = newline ? newline - start : static_cast<qsizetype>(available);
        // Once over the limit the rest of the line is only skipped.
        if (!tooLong && text.size() + length > maxLength_) {
            tooLong = true;
            text = QByteArray();
        }
        if (!tooLong) {
            // Rounded up, so that the next line a little longer fits too.
            text.reserve((text.size() + length + room_ + 1023) / 1024 * 1024);
            text.append(start, length);
        }
        position_ += length;
        if (newline) {
            ++position_;
            ended = true;
            break;
        }
    }
    if (!started) return false;
    line.number = ++number_;
    line.text = tooLong ? std::nullopt : std::optional<QByteArray>(std::move(text));
    line.unfinished = !ended;
    return true;
}

} // namespace vorn
