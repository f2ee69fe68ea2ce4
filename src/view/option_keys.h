#pragma once
// Which option button a key chooses. The buttons are captioned "Отговор A"
// .. "Отговор E", so a key chooses the button whose letter it shows, and no
// other: the physical keys A..E wherever the layout puts letters (their place
// on the keyboard, where the window system tells it), the digits 1..5, the
// Latin letters A..E and the Cyrillic letters that look like them, А, В, С
// and Е (not Б, Г or Д, which look like no caption). Keys with Ctrl, Alt or
// Meta are the menu's.

#include <QString>
#include <optional>

namespace vorn {

struct KeyPress {
    int key = 0;                  // Qt::Key
    int modifiers = 0;            // Qt::KeyboardModifiers
    unsigned nativeScanCode = 0;  // the key's place; 0 where unknown
    bool scanCodesAreX11 = false; // the codes are X11 key codes (xcb with evdev)
};

std::optional<int> OptionOfKey(const KeyPress& press);

} // namespace vorn
