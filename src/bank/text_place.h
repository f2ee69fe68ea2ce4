#pragma once
// Places in the bytes of a bank file, for messages: the line and column of a
// byte offset, and the first byte that is not UTF-8.

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

namespace vorn {

// Line and column, both 1-based, of a byte offset; the column counts
// characters, not bytes.
std::pair<int, int> PlaceOf(const QByteArray& text, qsizetype offset);

// "UTF-16 LE" or "UTF-16 BE" where the bytes are UTF-16 text (a byte order
// mark, or the zero byte beside every ASCII character); none otherwise.
std::optional<QString> Utf16Name(const QByteArray& bytes);

// The offset of the first byte that does not begin a well-formed UTF-8
// character (overlong forms, surrogates and values above U+10FFFF included);
// none when the whole text is UTF-8.
std::optional<qsizetype> FirstInvalidUtf8(const QByteArray& text);

} // namespace vorn
