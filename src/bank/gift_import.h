#pragma once
// Reading a bank from Moodle's GIFT text. Only multiple-choice questions with
// one right answer are taken; every other question type is refused.
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
//   ignored; lines may end in \n or \r\n.
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
//   an answer or a feedback is removed; the text after it is taken as written
//   (HTML or Markdown is not rendered).
// - Feedback: ####text in the block, written after the answers, is the
//   general feedback and runs to the closing brace. #text after an answer is
//   that answer's feedback. The explanation is the general feedback's lines,
//   then, in the order of the answers, one line "<answer> – <feedback>" for
//   each answer with feedback. A line break in feedback, real or \n, starts a
//   new explanation line; lines are trimmed and empty ones dropped.
// - Escapes in texts, answers and feedback: \~ \= \# \{ \} \: give the
//   character itself; \n is a line break ("\r\n" in a question or answer
//   text). A backslash before any other character is kept as written and the
//   character after it is read as usual.
//
// Refused, each with an error naming the line, the column where there is one
// and the question's number in the file: true/false ({T} {TRUE} {F} {FALSE},
// any case), numeric ({#...}), essay ({} or only ####), matching (an answer
// with ->), short answer (only = answers), a description (no answer block),
// text in the block before the first = or ~, no = answer, a second = answer,
// a weight %...% on any answer (only plain = and ~ are taken), an unclosed
// ::Name, an answer block without its } (named at its {), a } with no {
// before it and a second answer block in a question. A refused question is
// left out and reading goes on with the next one, so that every broken
// question is reported; the numbers of the questions read then no longer
// match their numbers in the file, but a bank with errors is never played.
//
// Settings: the title above, the phrase switch as above, no check question,
// explanations and navigation on. No author note, no pictures.

#include "loaded_bank.h"

#include <QString>

namespace vorn {

// Reads a bank from Moodle's GIFT text (already decoded from UTF-8).
// fileName gives the default title (its name without folder and extension).
LoadedBank ImportGift(const QString& text, const QString& fileName);

} // namespace vorn
