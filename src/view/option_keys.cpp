#include "option_keys.h"

#include <Qt>

namespace vorn {

namespace {

// X11 key codes of the keys A, B, C, D and E with the evdev driver.
constexpr unsigned kX11Codes[] = {38, 56, 54, 40, 26};

// Cyrillic capitals that look like the Latin captions, by option.
constexpr char16_t kCyrillicLookAlikes[][2] = {{u'А', 0}, {u'В', 1}, {u'С', 2}, {u'Е', 4}};

} // namespace

std::optional<int> OptionOfKey(const KeyPress& press) {
    if (press.modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (press.scanCodesAreX11)
        for (int i = 0; i < 5; ++i)
            if (press.nativeScanCode == kX11Codes[i]) return i;
    if (press.key >= Qt::Key_1 && press.key <= Qt::Key_5) return press.key - Qt::Key_1;
    if (press.key >= Qt::Key_A && press.key <= Qt::Key_E) return press.key - Qt::Key_A;
    for (const auto& [letter, option] : kCyrillicLookAlikes)
        if (press.key == letter) return option;
    return std::nullopt;
}

} // namespace vorn
