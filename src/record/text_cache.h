#pragma once
// Texts that repeat from record to record, kept once per reading thread: a
// place for a text in a cache of fixed size, and the cache of decoded texts.
// A place is taken by the last text that comes to it, so memory stays fixed
// whatever a file holds.

#include <QString>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

// A text's place in a cache of `places`, from all its bytes.
std::size_t PlaceOf(std::string_view utf8, std::size_t places);

// Short texts (keys, options, titles, classes) decoded from UTF-8 once and
// shared after.
class TextCache {
public:
    QString text(std::string_view utf8);

private:
    static constexpr std::size_t kMaxBytes = 256;
    struct Entry {
        std::string utf8;
        QString text;
    };
    std::array<Entry, 1024> entries_;
};

} // namespace vorn
