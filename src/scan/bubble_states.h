#pragma once
// What a bubble's measured ink makes it: the two thresholds between empty,
// doubtful and marked, and the arms that make a filled bubble a cancelled one.

#include "paper/sheet_reading.h"

namespace vorn {

// Shares of the bubble's inside covered with ink, from 0 (its paper, its
// printed letter and outline) to 1 (the student's pen). On printed sheets
// scanned at 150-300 dpi, grey or black-and-white: an empty bubble or a
// stray dot reads below 0.05; a light partial fill, a tick or an erased
// fill's grey 0.13-0.25; a cross inside 0.3-0.36; a filled bubble from 0.66.
// The thresholds sit in the gaps, so that anything between goes to a person.
inline constexpr double kEmptyBelow = 0.08;
inline constexpr double kMarkedFrom = 0.5;
// Ink on both sides of the bubble along a line through it, outside its
// outline: the arms of a cross read 0.2 and more, a filled bubble's
// overspill below 0.01.
inline constexpr double kArmFrom = 0.1;

// An even grey over most of the inside, however light, against the paper
// around it: what an eraser leaves of a fill. A stray dot or the letter
// leaves none.
inline constexpr double kShadeFrom = 0.05;

struct BubbleInk {
    double inside = 0;       // the darkness
    double crossArms = 0;    // the weaker of the two strongest lines through the bubble
    double strongestArm = 0; // the strongest such line alone
    double shade = 0;        // the inside's middle grey against the ring's, paper to printed ink
};

BubbleState ClassifyBubble(const BubbleInk& ink);

} // namespace vorn
