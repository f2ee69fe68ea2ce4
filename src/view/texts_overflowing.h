#pragma once
// Which texts of a bank need more lines than their boxes show at the design's
// size: measured by laying each text out in a text box of the window's own
// kind, font and size, so that the checker sees what the examinee would have
// to scroll. Needs a QApplication with the window's look
// (widgets_without_display.h gives one).

#include "bank/bank_content.h"

#include <vector>

namespace vorn {

struct TextOverflow {
    int question = 0; // 1-based number in the bank
    int option = 0;   // 1-based item in the bank's order; 0: the question's own text
    int linesNeeded = 0;
    int linesShown = 0;
};

// In bank order, the question's text before its options.
std::vector<TextOverflow> TextsOverflowing(const BankContent& bank);

} // namespace vorn
