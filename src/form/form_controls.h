#pragma once
// The controls of the main form VORN_Prazno as the design lays them out
// (design.cpp): the window's own properties, then every control by its name.
// The design fills them once; after that only the presenter and the author
// notice write them, and the view draws them.

#include "control_array.h"
#include "controls.h"
#include "option_group.h"
#include "shared_colors.h"

namespace vorn {

struct FormControls {
    FormControls();
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;

    // ---- the window ----
    QString Caption;
    Color BackColor = kNeutral;
    Twips ScaleWidth = 10905; // client area
    Twips ScaleHeight = 6945;
    QString FontName = QStringLiteral("Times New Roman");
    int FontSize = 12;

    // ---- controls ----
    ControlArray<Label> Label1{QStringLiteral("Label1"), 0, 4};
    ControlArray<CommandButton> Command1{QStringLiteral("Command1"), 0, 1};
    ControlArray<CommandButton> Command2{QStringLiteral("Command2"), 0, 2};
    ControlArray<TextBox> Text2{QStringLiteral("Text2"), 0, 6};
    Frame Frame1;
    OptionGroup Option1{QStringLiteral("Option1"), {0, 1, 2, 3, 4}};
    PictureBox Picture1; // the answered indicator
    PictureBox Picture2; // the picture of the question
    ControlArray<Shape> Shape1{QStringLiteral("Shape1"), 0, 1};
    ControlArray<Shape> Shape2{QStringLiteral("Shape2"), 0, 1};
    ControlArray<TextBox> Text1{QStringLiteral("Text1"), 0, 1};
    ControlArray<MenuCommand> izhod{QStringLiteral("izhod"), {0}};
    MenuCommand autor;
};

// The window's caption: the publisher's web address (or the examinee) and four
// blanks where there is one, then the program's name.
QString WindowCaption(const QString& before);
// What "Автор" shows: where to find out more, or the program and its version
// where the bank names no publisher.
QString AuthorNotice(const QString& publisher);

// The texts of the information boxes at start.
QString HelpText();
QString HiddenNote();

} // namespace vorn
