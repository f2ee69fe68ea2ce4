#include "option_columns.h"

namespace vorn {

namespace {

constexpr std::array<OptionColumn, 5> kDesign{{
    {120, 2500, 360, 1800},
    {2640, 2500, 2760, 1800},
    {5160, 2500, 5280, 1800},
    {7680, 2500, 7800, 1800},
    {10320, 540, 9960, 600},
}};

constexpr Twips kFrameLeft = 120;
constexpr Twips kGap = 20; // between two text boxes of the design
constexpr Twips kButtonInset =
    240; // a button's left from its box's, in the design's middle columns

} // namespace

std::array<OptionColumn, 5> OptionColumns(int optionsShown) {
    if (optionsShown < 5) return kDesign;
    const Twips left = kDesign[0].boxLeft;
    const Twips right = kDesign[4].boxLeft + kDesign[4].boxWidth;
    const Twips width = (right - left - 4 * kGap) / 5;
    std::array<OptionColumn, 5> columns{};
    for (int i = 0; i < 5; ++i) {
        const Twips boxLeft = left + static_cast<Twips>(i) * (width + kGap);
        columns[static_cast<std::size_t>(i)] = {boxLeft, width, boxLeft - kFrameLeft + kButtonInset,
                                                kDesign[0].buttonWidth};
    }
    return columns;
}

} // namespace vorn
