#pragma once
// The checker's warnings for texts longer than their boxes at the design's
// size: the examinee has to scroll to read them, and a question's actual ask
// or the end that tells two options apart may stay out of sight.

#include "bank/loaded_bank.h"

#include <vector>

namespace vorn {

// One warning per question text or option that needs more lines than its box
// shows, at its question's line. Needs a QApplication with the window's look.
std::vector<BankIssue> LongTextWarnings(const LoadedBank& bank);

} // namespace vorn
