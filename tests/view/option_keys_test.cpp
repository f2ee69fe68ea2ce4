// A key chooses the option whose button shows its letter, and no other.

#include "view/option_keys.h"

#include <gtest/gtest.h>

using namespace vorn;

TEST(OptionKeys, AKeyChoosesOnlyTheButtonWhoseLetterItShows) {
    const struct {
        const char* what;
        KeyPress press;
        std::optional<int> option;
    } cases[] = {
        {"digit 1", {.key = Qt::Key_1}, 0},
        {"digit 5 on the keypad", {.key = Qt::Key_5, .modifiers = Qt::KeypadModifier}, 4},
        {"digit 6", {.key = Qt::Key_6}, std::nullopt},
        {"Latin B", {.key = Qt::Key_B}, 1},
        {"Latin F", {.key = Qt::Key_F}, std::nullopt},
        {"Cyrillic А", {.key = 0x410}, 0},
        {"Cyrillic В (the third letter, but it shows B)", {.key = 0x412}, 1},
        {"Cyrillic С", {.key = 0x421}, 2},
        {"Cyrillic Б", {.key = 0x411}, std::nullopt},
        {"Cyrillic Г", {.key = 0x413}, std::nullopt},
        {"Cyrillic Д", {.key = 0x414}, std::nullopt},
        // The keys by their place: phonetic B types б, BDS D types а.
        {"the B key typing б", {.key = 0x411, .nativeScanCode = 56, .scanCodesAreX11 = true}, 1},
        {"the D key typing а", {.key = 0x410, .nativeScanCode = 40, .scanCodesAreX11 = true}, 3},
        {"the L key typing в (BDS)",
         {.key = 0x412, .nativeScanCode = 46, .scanCodesAreX11 = true},
         1},
        {"code 56 where codes are not X11's", {.key = 0x411, .nativeScanCode = 56}, std::nullopt},
        {"Alt+А is the menu's", {.key = 0x410, .modifiers = Qt::AltModifier}, std::nullopt},
        {"Ctrl+B",
         {.key = Qt::Key_B,
          .modifiers = Qt::ControlModifier,
          .nativeScanCode = 56,
          .scanCodesAreX11 = true},
         std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OptionOfKey(c.press), c.option) << c.what;
}
