#pragma once
// Places in the bytes of a bank file, for messages: the line and column of a
// byte offset, and the first byte that is not UTF-8.

#include "bank_issue.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

namespace vorn {

// Line and column, both 1-based, of a byte offset; the column counts
// characters, not bytes.
std::pair<int, int> PlaceOf(const QByteArray& text, qsizetype offset);

// The text of bytes that are not UTF-8 but read as Bulgarian saved in
// windows-1251 (the Cyrillic of Windows, which Notepad once saved by default):
// every byte defined there and nearly every letter beyond ASCII Cyrillic.
// None for anything else, which is not guessed.
std::optional<QString> ReadAsWindows1251(const QByteArray& bytes);

// "UTF-16 LE" or "UTF-16 BE" where the bytes are UTF-16 text (a byte order
// mark, or the zero byte beside every ASCII character); none otherwise.
std::optional<QString> Utf16Name(const QByteArray& bytes);

// The offset of the first byte that does not begin a well-formed UTF-8
// character (overlong forms, surrogates and values above U+10FFFF included);
// none when the whole text is UTF-8.
std::optional<qsizetype> FirstInvalidUtf8(const QByteArray& text);

// The error of a text whose byte at `offset` is not UTF-8, at that byte's
// line and column, with how to save the file as UTF-8.
BankIssue NotUtf8At(const QByteArray& text, qsizetype offset);

} // namespace vorn
