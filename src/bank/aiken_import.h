#pragma once
// Reading a bank from Moodle's Aiken text, as Moodle's own Aiken reader does:
//
//   What is the capital of Bulgaria?
//   A) Plovdiv
//   B. Sofia
//   ANSWER: B
//
// - A line that is neither an option nor an ANSWER line starts a question;
//   the whole line, trimmed, is its text. Lines shorter than two characters
//   after trimming (blank ones too) are left out. A leading byte-order mark
//   is ignored; lines may end in \n, \r\n or \r.
// - An option is a line starting with a capital Latin letter and ")" or ".";
//   its text is the rest of the line, trimmed. Options are taken in the order
//   written, whatever their letters.
// - "ANSWER:" at the start of a line ends the question; the first character
//   after it (blanks skipped) names the right option: A the first, B the
//   second and so on.
// - Errors, each naming its line and its question's number in the file: an
//   option or ANSWER line before any question, a question with no ANSWER line
//   (another question starts, or the file ends), fewer than two options, an
//   ANSWER letter that names none of the options. The question is left out
//   and reading goes on.
// - A question with more than five options is skipped with a warning; the
//   rest plays. Counts, empty texts and repeated options are checked by the
//   bank checks every format shares.
//
// Settings: the title is the file's name without folder and extension; no
// phrase preview, no check question, explanations and navigation on. No
// explanations (Aiken has no feedback), author note or pictures.

#include "loaded_bank.h"

#include <QString>

namespace vorn {

// Reads a bank from Aiken text (already decoded from UTF-8). fileName gives
// the title.
LoadedBank ImportAiken(const QString& text, const QString& fileName);

// Whether text reads as Aiken: it has an option line and an ANSWER line.
// Aiken files usually end in .txt, as Moodle names them; this tells them from
// other text.
bool LooksLikeAiken(const QString& text);

} // namespace vorn
