#pragma once
// The twenty questions of the shipped geometry test on parallelograms: texts,
// options, keys and worked explanations. Their pictures are added by
// ShippedBank from the compiled-in files.

#include "bank/bank_content.h"

#include <vector>

namespace vorn {

std::vector<Question> ShippedQuestions();

} // namespace vorn
