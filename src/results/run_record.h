#pragma once
// The record of a graded run, read from the form's state lists: per bank
// question the option chosen (wherever its position was), the key and whether
// it was judged right; the "Тото" copy of question 1 on its own.

#include "result_record.h"
#include "window/vorn_prazno.h"

namespace vorn {

// The form must have been graded (its Outcome set).
ResultRecord RecordOfRun(const VORN_Prazno& form, const RunFacts& facts);

} // namespace vorn
