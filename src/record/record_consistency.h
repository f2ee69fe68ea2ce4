#pragma once
// Whether a record read back agrees with itself as a graded run writes it: a
// well-formed line can still be edited or forged, and one such record would
// skew every figure of its bank (a question counted twice gives a share over
// 100 %).
//
// A run writes every question it asked once: every bank question, numbered 1
// to their count, or those it drew from a pool, by their numbers in the pool.
// The "Тото" copy, when there is one, is the run's first question again (the
// lowest number) and counts in the total and the score like any position. An answer is right
// exactly when the chosen text is the key. The percentage is the score's share of the total with
// its fraction dropped. No text is longer than the window or a bank makes it.

#include "result_record.h"

#include <QString>
#include <optional>

namespace vorn {

// The longest text a record holds: a test's title, an option, a login. A
// student's name, class and number are held to kMaxStudentText, as the
// window takes them.
inline constexpr int kMaxRecordText = 2000;

// Why the record contradicts itself, in Bulgarian; none when it does not.
std::optional<QString> RecordInconsistency(const ResultRecord& record);

} // namespace vorn
