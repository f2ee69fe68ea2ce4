// The design of the main form: every control's place, text, colour, visibility
// and tab index as the form is created, before Form_Load runs.

#include "form_controls.h"
#include "option_columns.h"
#include "platform/picture.h"

namespace vorn {

namespace {

constexpr Color kLabelBack = RGB(255, 192, 128);
constexpr Color kOptionBack = RGB(0, 255, 0);
constexpr Color kReviewButtonBack = RGB(128, 128, 255);

template <typename C> void Place(C& c, Twips left, Twips top, Twips width, Twips height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

} // namespace

FormControls::FormControls() {
    Caption = WindowCaption(QString());
    izhod(0).Caption = QStringLiteral("Изход");
    autor.Name = QStringLiteral("autor");
    autor.Caption = QStringLiteral("Автор");

    Place(Label1(0), 3000, 0, 5655, 375);
    Label1(0).Caption = QStringLiteral("ВОРН по Чуждоeзиково Обучение");
    Label1(0).BackColor = kLabelBack;

    Place(Command1(0), 240, 120, 1575, 285);
    Command1(0).Caption = QStringLiteral("Напред");
    Command1(0).BackColor = RGB(255, 128, 0);
    Place(Command1(1), 9000, 120, 1575, 285);
    Command1(1).Caption = QStringLiteral("Назад");
    Command1(1).BackColor = RGB(192, 64, 0);
    Place(Command2(1), 360, 120, 1575, 285);
    Command2(1).Caption = QStringLiteral("Напред");
    Place(Command2(2), 9120, 120, 1575, 285);
    Command2(2).Caption = QStringLiteral("Назад");
    for (const int i : {1, 2}) {
        Command2(i).BackColor = kReviewButtonBack;
        Command2(i).Visible = false;
    }

    Place(Text2(0), 120, 480, 10635, 765);
    Text2(0).Text = QStringLiteral("Текст на задавания въпрос\r\n");
    const std::array<OptionColumn, 5> columns = OptionColumns(0);
    const QString optionTexts[] = {
        QStringLiteral("1-ви отговор\r\nабвгдежзийклмнопрстуфхцчшщъьюя\r\n"),
        QStringLiteral("2-ри отговор\r\n"),
        QStringLiteral("3-ти отговор\r\n"),
        QStringLiteral("4-ти отговор\r\n"),
        QStringLiteral("5-ти отговор\r\n"),
    };
    for (int i = 1; i <= 5; ++i) {
        const OptionColumn& column = columns[static_cast<std::size_t>(i - 1)];
        Place(Text2(i), column.boxLeft, 1320, column.boxWidth, 1005);
        Text2(i).Text = optionTexts[i - 1];
        Text2(i).Visible = false;
    }

    Place(Frame1, 120, 2400, 10695, 495);
    Frame1.Name = QStringLiteral("Frame1");
    Frame1.Caption = QStringLiteral("Frame1");
    Frame1.BackColor = RGB(128, 128, 255);
    const QString letters = QStringLiteral("ABCDE");
    for (int i = 0; i < 5; ++i) {
        const OptionColumn& column = columns[static_cast<std::size_t>(i)];
        Place(Option1(i), column.buttonLeft, 120, column.buttonWidth, 285); // inside Frame1
        Option1(i).Caption = QStringLiteral("Отговор ") + letters[i];
        Option1(i).BackColor = kOptionBack;
        Option1(i).Visible = false;
    }

    Place(Label1(4), 240, 2880, 2055, 315);
    Label1(4).Caption = QStringLiteral("Въведен отговор: ");
    Label1(4).BackColor = kLabelBack;
    Place(Picture1, 2400, 2880, 6135, 200);
    Picture1.Name = QStringLiteral("Picture1");
    Picture1.BackColor = kRed; // not answered

    Place(Text2(6), 120, 3120, 10635, 525);
    Text2(6).Text = QStringLiteral("При посочен отговор се извежда цялата фраза.\r\n");

    Place(Shape1(0), 120, 3700, 135, 255);
    Shape1(0).BackColor = RGB(0, 255, 0);
    Place(Shape1(1), 240, 3700, 9855, 255);
    Shape1(1).BackColor = RGB(0, 255, 255);
    Place(Shape2(0), 120, 4000, 135, 255);
    Shape2(0).BackColor = RGB(255, 128, 0);
    Place(Shape2(1), 240, 4000, 9855, 255);
    Shape2(1).BackColor = RGB(255, 255, 0);

    Place(Label1(2), 1800, 4395, 3015, 285);
    Label1(2).Caption = QStringLiteral("Въведени отговори: ");
    Place(Label1(3), 4920, 4395, 1815, 285);
    Label1(3).Caption = QStringLiteral("Тото: ");
    Label1(3).Visible = false;
    Place(Label1(1), 7560, 4395, 3135, 285);
    Label1(1).Caption = QStringLiteral("Резултат: ");
    for (const int i : {1, 2, 3})
        Label1(i).BackColor = kLabelBack;

    Place(Command2(0), 120, 4400, 1575, 285);
    Command2(0).Caption = QStringLiteral("Оценяване");
    Command2(0).BackColor = kReviewButtonBack;

    Place(Picture2, 120, 4800, kPictureAreaWidth, kPictureAreaHeight);
    Picture2.Name = QStringLiteral("Picture2");
    Place(Text1(0), 3600, 4800, 7215, 2055);
    Text1(0).Text = HelpText();
    Place(Text1(1), 4200, 6360, 6735, 1815);
    Text1(1).Text = HiddenNote();
    Text1(1).Visible = false;

    // Tab order; labels and shapes keep theirs although they take no focus. The
    // gaps are the state lists of old, which the run now holds as values.
    Text1(0).TabIndex = 0;
    Text1(1).TabIndex = 1;
    Label1(0).TabIndex = 2;
    for (int i = 0; i <= 4; ++i)
        Text2(i).TabIndex = 3 + i;
    Text2(6).TabIndex = 8;
    Frame1.TabIndex = 9;
    for (int i = 0; i <= 3; ++i)
        Option1(i).TabIndex = 10 + i;
    Command1(0).TabIndex = 14;
    Command1(1).TabIndex = 15;
    Label1(1).TabIndex = 20;
    for (int i = 0; i <= 2; ++i)
        Command2(i).TabIndex = 21 + i;
    Label1(2).TabIndex = 24;
    Picture1.TabIndex = 25;
    Label1(3).TabIndex = 26;
    Text2(5).TabIndex = 29;
    Label1(4).TabIndex = 30;
    Picture2.TabIndex = 31;
    Option1(4).TabIndex = 33;
}

} // namespace vorn
