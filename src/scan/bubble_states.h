#pragma once
// What a bubble's measured ink makes it: the two thresholds between empty,
// doubtful and marked, and the arms that make a filled bubble a cancelled one.

#include "paper/sheet_reading.h"

namespace vorn {

// Shares of the bubble's inside covered with ink, from 0 (paper) to 1.
// Below the first a bubble is empty: its printed letter, a stray dot, a
// smudge reach 0.1 at most. From the second on it is marked: a filled
// bubble is above 0.6 even filled lightly or in a hurry. Between them a
// person decides.
inline constexpr double kEmptyBelow = 0.22;
inline constexpr double kMarkedFrom = 0.45;
// Ink on both sides of the bubble along a line through it, outside its
// outline: the arms of a cross.
inline constexpr double kArmFrom = 0.12;

struct BubbleInk {
    double inside = 0;       // the darkness
    double crossArms = 0;    // the weaker of the two strongest lines through the bubble
    double strongestArm = 0; // the strongest such line alone
};

BubbleState ClassifyBubble(const BubbleInk& ink);

} // namespace vorn
