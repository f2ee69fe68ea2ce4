#pragma once
// Reading a bank from Moodle's GIFT text, as Moodle reads it. Only
// multiple-choice questions with one right answer are taken; every other
// question type is skipped with a warning and the rest plays.
//
// The file
// - Questions are separated by one or more blank lines; a blank line always
//   ends a question, even inside an unclosed answer block. A question starts
//   on its first line that is not a comment.
// - A line whose first non-blank characters are // is a comment: it is left
//   out and neither ends a question nor belongs to it. The first comment of
//   the form "// title: Some title" ("title:" in any case, a non-empty title)
//   gives the bank's title; without one the title is the file's name without
//   its folder and its last extension ("/x/present-simple.gift" gives
//   "present-simple").
// - Lines starting with $CATEGORY: are left out. A leading byte-order mark is
//   ignored; lines may end in \n, \r\n or \r.
//
// A question
//   ::Name:: [html]Question text {=right #feedback ~wrong #feedback ####general}
// - ::Name:: at the start is Moodle's name for the question and is dropped.
// - The question text may span several lines; they are joined with one space
//   and the text is trimmed.
// - The answer block { } holds exactly one answer starting with = (the right
//   one) and one or more starting with ~ (wrong ones), on one line or on
//   several. The options are all answers in the order written, each trimmed,
//   an answer over several lines joined with one space; the key is the text
//   of the = answer. Counts, empty texts and repeated options are not checked
//   here but by the bank checks every format shares.
// - Missing word: when non-blank text follows the block, the text is the part
//   before the block, "___", then the part after it, each part with its own
//   spacing: "I {=am ~is} happy." gives "I ___ happy.", "{=a ~b} is a noun."
//   gives "___ is a noun.". The bank previews the filled phrase exactly when
//   every question read is of this form.
// - A leading [plain], [moodle], [markdown] or [html] on the question text,
//   an answer or a feedback names its format (marked_text.h); an answer or
//   feedback without one takes the question text's. [html] (and a [moodle]
//   text with tags or entities) and [markdown] become plain text as
//   html_text.h reads them: paragraphs and <br> are line breaks, list items
//   "- " lines, a '<' that starts no tag is text. A picture in them is left
//   out, with a warning at the text that names it: GIFT carries none. An
//   answer in [html] that is only one <img> is a picture option: the file it
//   names, read from the bank's folder as a vorn-bank's pictures are
//   (bank_pictures.h); one that cannot be read leaves the option empty, an
//   error, with the reason as a warning at the answer.
// - Feedback: ####text in the block, written after the answers, is the
//   general feedback and runs to the closing brace. #text after an answer is
//   that answer's feedback. The explanation is the general feedback's lines,
//   then, in the order of the answers, one line "<answer> – <feedback>" for
//   each answer with feedback. A line break in feedback, real or \n, starts a
//   new explanation line; lines are trimmed and empty ones dropped.
// - Escapes in texts, answers and feedback: \~ \= \# \{ \} \: \\ give the
//   character itself; \n is a line break ("\r\n" in a question or answer
//   text). A backslash before any other character on its line is kept as
//   written, the character after it read as usual, with a warning at its
//   place.
// - The block's type is told in Moodle's order: empty (or only ####) is an
//   essay, a leading # numeric, a ~ anywhere a choice (an answer may then
//   hold ->), = with -> matching, T TRUE F FALSE true/false, else short
//   answer.
//
// Skipped, each with a warning naming the type or reason, the line, the
// column where there is one and the question's number in the file:
// true/false, numeric, essay, matching, short answer, a description (no
// answer block), a weight %...% on any answer, a second = answer and more
// than five answers. The rest plays; fewer than three playable questions are
// refused by the limits every bank keeps.
//
// Refused, each with an error at its place: an unclosed ::Name, an answer
// block without its } (named at its {), a } with no { before it, a second
// answer block in a question, text in the block before the first = or ~ and
// no = answer. A skipped or refused question is left out and reading goes on
// with the next one, so that every broken question is reported; the numbers
// of the questions read then no longer match their numbers in the file.
//
// Settings: the title above, the phrase switch as above, no check question,
// explanations and navigation on. No author note; pictures only as answers.

#include "bank_pictures.h"
#include "loaded_bank.h"

#include <QString>

namespace vorn {

// Reads a bank from Moodle's GIFT text (already decoded from UTF-8).
// fileName gives the default title (its name without folder and extension).
// Pictures of answers come from `pictures`; without it, none.
LoadedBank ImportGift(const QString& text, const QString& fileName,
                      const PictureReader& pictures = {});

} // namespace vorn
