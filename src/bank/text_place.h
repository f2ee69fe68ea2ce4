#pragma once
// Places in the bytes of a bank file, for messages: the line and column of a
// byte offset, and the first byte that is not UTF-8.

#include <QByteArray>
#include <optional>
#include <utility>

namespace vorn {

// Line and column, both 1-based, of a byte offset; the column counts
// characters, not bytes.
std::pair<int, int> PlaceOf(const QByteArray& text, qsizetype offset);

// The offset of the first byte that does not begin a well-formed UTF-8
// character (overlong forms, surrogates and values above U+10FFFF included);
// none when the whole text is UTF-8.
std::optional<qsizetype> FirstInvalidUtf8(const QByteArray& text);

} // namespace vorn
