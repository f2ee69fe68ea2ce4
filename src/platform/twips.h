#pragma once
// The unit of the window's design: a twip is a twentieth of a point, 15 to a
// pixel at the usual 96 dots per inch.

namespace vorn {

using Twips = float; // single precision, as the runtime keeps positions
constexpr int kTwipsPerPixel = 15;

} // namespace vorn
