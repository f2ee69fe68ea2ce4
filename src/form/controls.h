#pragma once
// The controls of a form as plain data: the properties the logic reads and
// writes, in twips and platform colours. Nothing here draws; the Qt view mirrors
// these values onto widgets.

#include "control.h"
#include "platform/picture.h"

#include <QString>

namespace vorn {

struct Label : Control {
    QString Caption;
};

// Multi-line with a vertical scroll bar; read-only on screen.
struct TextBox : Control {
    TextBox() { BackColor = kSystemWindow; }
    QString Text;
    // An option's picture, shown in place of Text, which then names it; empty: none.
    vorn::Picture Picture;
};

struct CommandButton : Control {
    QString Caption;
};

struct Frame : Control {
    QString Caption;
};

// A solid rectangle; the bars of the progress display.
struct Shape : Control {};

struct PictureBox : Control {
    vorn::Picture Picture; // shared, never copied pixel by pixel
};

struct MenuCommand {
    QString Name;
    QString Caption;
    bool Visible = true;
    bool Enabled = true;
};

} // namespace vorn
