#pragma once
// Whether a record read back agrees with itself as a graded run writes it: a
// well-formed line can still be edited or forged, and one such record would
// skew every figure of its bank (a question counted twice gives a share over
// 100 %).
//
// A run writes every bank question once, numbered 1 to their count; the
// "Тото" copy, when there is one, is question 1 again and counts in the total
// and the score like any position. An answer is right exactly when the chosen
// text is the key. The percentage is the score's share of the total with its
// fraction dropped.

#include "result_record.h"

#include <QString>
#include <optional>

namespace vorn {

// Why the record contradicts itself, in Bulgarian; none when it does not.
std::optional<QString> RecordInconsistency(const ResultRecord& record);

} // namespace vorn
