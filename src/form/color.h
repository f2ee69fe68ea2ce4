#pragma once
// Colours as the platform stores them: 0x00BBGGRR, plus the system colours that
// stand for "the default of this kind of control".

#include <cstdint>

namespace vorn {

using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | (static_cast<Color>(green & 0xFF) << 8) |
           (static_cast<Color>(blue & 0xFF) << 16);
}

constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// System colours carry the high bit; the view resolves them from its palette.
constexpr Color kSystemWindow = 0x80000005;     // text and list box background
constexpr Color kSystemButtonFace = 0x8000000F; // buttons, frames, picture boxes
constexpr bool IsSystemColor(Color c) {
    return (c & 0x80000000u) != 0;
}

} // namespace vorn
