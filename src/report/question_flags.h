#pragma once
// What a teacher should look at in a question, found from its figures, and
// how it is said to the teacher: one home for the rules and their words.

#include "results_figures.h"

#include <QString>
#include <vector>

namespace vorn {

// `optionsKnown`: the bank gave every option, so an option nobody chose is
// known to exist.
std::vector<QuestionFlag> FlagsOf(const QuestionFigures& question, bool optionsKnown);

// The flag as a Bulgarian sentence, the option quoted as it is (escape it
// for where it goes).
QString FlagText(const QuestionFlag& flag);

} // namespace vorn
