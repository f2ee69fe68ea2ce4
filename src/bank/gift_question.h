#pragma once
// Reads one GIFT question, its lines without the comment lines, into a
// Question; or skips it (a warning: a question type the player cannot ask) or
// refuses it (an error: broken syntax), with the reason and the place.

#include "bank_content.h"
#include "bank_issue.h"
#include "bank_pictures.h"
#include "gift_text.h"

#include <variant>
#include <vector>

namespace vorn::gift {

struct ReadQuestion {
    Question question;
    bool missingWord = false; // text follows the answer block
    // Unknown escapes, pictures left out and what a text loses, the question
    // still read; an error for a text too costly to read.
    std::vector<BankIssue> warnings;
};

// lines: not empty, the first is where the question starts. A skip or a
// refusal names its line and, where there is one, its column; the caller
// numbers it.
// An answer that is only a picture in [html] is that picture, from `pictures`.
std::variant<ReadQuestion, BankIssue> ReadGiftQuestion(const std::vector<SourceLine>& lines,
                                                       const PictureReader& pictures = {});

} // namespace vorn::gift
