#pragma once
// Where the five option columns stand: a text box for the option's text and,
// inside the frame, its option button. The design gives the fifth column only
// 540 twips, too narrow to read a word in; a question that shows five options
// therefore spreads all five evenly over the width of the design's first four
// and the fifth, with the same gaps. With two to four options every column
// stays where the design puts it.

#include "control.h"

#include <array>

namespace vorn {

struct OptionColumn {
    Twips boxLeft, boxWidth;       // the option's text box
    Twips buttonLeft, buttonWidth; // its option button, inside the frame
};

std::array<OptionColumn, 5> OptionColumns(int optionsShown);

} // namespace vorn
