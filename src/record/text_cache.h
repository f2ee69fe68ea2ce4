#pragma once
// Texts that repeat from record to record, kept once per reading thread: a
// place for a text in a cache of fixed size, and the cache of decoded texts.
// A place is taken by the last text that comes to it, so memory stays fixed
// whatever a file holds.

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// A text's place in a cache of `places`, from all its bytes.
std::size_t PlaceOf(std::string_view utf8, std::size_t places);

// Values kept by the text they were made from, `Places` of them.
template <typename Value, std::size_t Places> class TextKeyedCache {
public:
    // The value kept for the text, made by `make(text)` (an optional) when
    // another text has its place; null when `make` makes none, and then the
    // place keeps what it had.
    template <typename Make> const Value* get(std::string_view text, const Make& make) {
        Entry& entry = entries_[PlaceOf(text, Places)];
        if (entry.text != text) {
            std::optional<Value> made = make(text);
            if (!made) return nullptr;
            entry.text.assign(text);
            entry.value = std::move(*made);
        }
        return &entry.value;
    }
    void clear() { entries_.fill(Entry{}); }

private:
    struct Entry {
        std::string text;
        Value value;
    };
    std::array<Entry, Places> entries_;
};

// Short texts (keys, options, titles, classes) decoded from UTF-8 once and
// shared after.
class TextCache {
public:
    QString text(std::string_view utf8);

private:
    static constexpr std::size_t kMaxBytes = 256;
    TextKeyedCache<QString, 1024> decoded_;
};

} // namespace vorn
