#pragma once
// What every control of a form has: a name, visibility, enabled state, a
// background colour and its place in twips.

#include "color.h"
#include "platform/twips.h"

#include <QString>

namespace vorn {

struct Control {
    QString Name;
    bool Visible = true;
    bool Enabled = true;
    Color BackColor = kSystemButtonFace;
    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;
    Twips Height = 0;
    int TabIndex = -1; // -1: takes no focus
};

} // namespace vorn
