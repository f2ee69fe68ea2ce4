#pragma once
// String and number services of the runtime. Lengths and positions count
// characters (UTF-16 code units, which is what a Bulgarian text is made of),
// never bytes.

#include <QString>

#include <cstddef>

namespace vorn {

// The number at the start of a text, leading blanks skipped; 0 when the text
// does not begin with a number. " 12ab" is 12, "-1" is -1, "ab" and "" are 0.
double Val(const QString& text);

// Decimal text of a whole number: no blanks, no leading zeros ("-1", "0", "17").
QString CStr(long long number);

int Len(const QString& text);
QString Left(const QString& text, int count);
QString Right(const QString& text, int count);
// Characters from the 1-based position start, count of them.
QString Mid(const QString& text, int start, int count);

// A text from a file (a bank, a record, a file name) made safe to print on one
// line of a terminal or a log: every control character, line or paragraph
// separator and bidirectional control is written as an escape ("\n", "\t",
// "\x1b", "\u202e"), so that nothing it holds can move the cursor, recolour
// the terminal or start a line of its own. A backslash stays one: a message
// that quotes "\d" from a bank reads as the author wrote it.
QString Printable(const QString& text);

// A character that changes the direction of the text after it: embeddings,
// overrides, isolates and marks (U+202A–U+202E, U+2066–U+2069, U+200E,
// U+200F, U+061C).
bool IsBidiControl(char16_t u);

// The text with every Latin letter that looks like a Cyrillic one ("a", "e",
// "o", "p", "c", "x", "y" and the capitals A B E H K M O P C T X) written as
// that Cyrillic letter: "8a" typed on a Latin keyboard reads as "8а".
QString WithCyrillicLookAlikes(const QString& text);

// "1 грешка", "2 грешки", "0 грешки": a count with its noun, which
// Bulgarian takes in the singular for one only.
QString Counted(int n, const QString& one, const QString& many);

// The integer nearest to x, a tie going to the even neighbour.
long RoundHalfEven(double x);

// A hash of the text for tables a report fills on every record: the standard
// library's, several times cheaper than Qt's string hash (SipHash).
std::size_t QuickHash(const QString& text);

// Whether `text` lies in the storage of `held`, and so is the same text,
// found without reading either: a text's storage is never changed while it is
// shared, and cannot become another text's while `held` holds it. Records
// read on one thread share their texts' storage.
inline bool InHeldStorage(const QString& held, const QString& text) {
    return held.constData() == text.constData() && held.size() == text.size();
}

} // namespace vorn
