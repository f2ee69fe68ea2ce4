#pragma once
// Reading a bank from a Moodle XML export (<quiz> of <question>s).
//
// - A multichoice question with one right answer (<single> true, which is
//   also Moodle's default) becomes a question: its <questiontext> as plain
//   text (html_text.h), its answers as the options in file order, the key the
//   one answer with fraction 100 (the others must be 0, or negative: those
//   penalties are not applied, with a warning). The explanation is
//   the <generalfeedback>'s lines, then "<answer> – <feedback>" for each
//   answer with feedback, as the GIFT import writes it.
// - The picture is the first <img> of the text: "@@PLUGINFILE@@/name" with
//   its <file name="name" encoding="base64"> in the <questiontext>; else the
//   <image> and <image_base64> of old exports. A picture that cannot be shown
//   is an error; an image from outside the file is left out with a warning,
//   and so is every other picture of the question's texts.
// - <sup>/<sub> become raised or lowered characters; nesting too deep is
//   cut and a text with too many tags skips its question (html_text.h), each
//   with a warning.
// - Other question types, several right answers, partial weights and fewer
//   than 2 or more than 5 answers are skipped, each with a warning naming
//   the line of its <question>; the rest is played.
// - The title is the last name of the first <question type="category">
//   ("$course$/top/Глаголи" gives "Глаголи"), else the file's name.
//
// Refused with line and column: malformed XML, a byte that is not UTF-8 in a
// file that is UTF-8 (it says so, or names no encoding), a DOCTYPE (no DTD
// and no entity of one is ever read), a root other than <quiz>.
//
// Settings: no check question, explanations and navigation on.

#include "loaded_bank.h"

#include <QByteArray>
#include <QString>

namespace vorn {

LoadedBank ImportMoodleXml(const QByteArray& xml, const QString& fileName);

} // namespace vorn
