#include "text_cache.h"

#include <cstdint>
#include <cstring>

namespace vorn {

// Eight bytes at a time: the standard library's hash of every text of every
// record cost more than the rest of a cache.
std::size_t PlaceOf(std::string_view utf8, std::size_t places) {
    std::uint64_t mixed = utf8.size() * 0x9E3779B97F4A7C15ULL;
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= utf8.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, utf8.data() + at, sizeof bytes);
        mixed = (mixed ^ bytes) * 0xC2B2AE3D27D4EB4FULL;
        mixed ^= mixed >> 29;
    }
    for (; at < utf8.size(); ++at)
        mixed = (mixed ^ static_cast<unsigned char>(utf8[at])) * 0x165667B19E3779F9ULL;
    // Every byte must reach the low bits (splitmix64's finish).
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::size_t>(mixed ^ (mixed >> 31)) % places;
}

QString TextCache::text(std::string_view utf8) {
    const auto decode = [](std::string_view text) {
        return std::optional(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    return utf8.size() > kMaxBytes ? *decode(utf8) : *decoded_.get(utf8, decode);
}

} // namespace vorn
