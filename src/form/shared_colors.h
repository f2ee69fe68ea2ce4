#pragma once
// The colours the displays and handlers share.

#include "color.h"

namespace vorn {

constexpr Color kGreen = RGB(0, 255, 0);       // answered, or right
constexpr Color kRed = RGB(255, 0, 0);         // not answered, or wrong
constexpr Color kNeutral = RGB(192, 192, 255); // option buttons in review; the window

} // namespace vorn
