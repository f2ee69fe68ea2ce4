#pragma once
// The record of a graded run: per bank question the option chosen (wherever
// its position was), the key and whether it was judged right; the "Тото" copy
// of question 1 on its own.

#include "result_record.h"
#include "run/attempt.h"

namespace vorn {

// A run not graded (left before grading) is scored as grading would score
// it, without a verdict.
ResultRecord RecordOfRun(const Attempt& run, const RunFacts& facts);

} // namespace vorn
