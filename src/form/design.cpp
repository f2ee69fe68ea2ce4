// The design of the main form: every control's place, text, colour, visibility
// and tab index as the form is created, before the attempt starts.

#include "form_controls.h"
#include "option_columns.h"
#include "platform/picture.h"

namespace vorn {

namespace {

constexpr Color kLabelBack = RGB(255, 192, 128);
constexpr Color kOptionBack = RGB(0, 255, 0);
constexpr Color kReviewButtonBack = RGB(128, 128, 255);

// The control's design name: the object name the view gives its widget.
void Name(Control& control, const char* name) {
    control.Name = QString::fromLatin1(name);
}

template <typename C> void Place(C& c, Twips left, Twips top, Twips width, Twips height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

// The title and the two pairs of moves along the top.
void DesignTop(FormControls& f) {
    Name(f.titleLabel, "Label1(0)");
    Place(f.titleLabel, 3000, 0, 5655, 375);
    f.titleLabel.Caption = QStringLiteral("ВОРН по Чуждоeзиково Обучение");
    f.titleLabel.BackColor = kLabelBack;

    Name(f.moves.forward, "Command1(0)");
    Place(f.moves.forward, 240, 120, 1575, 285);
    f.moves.forward.Caption = QStringLiteral("Напред");
    f.moves.forward.BackColor = RGB(255, 128, 0);
    Name(f.moves.back, "Command1(1)");
    Place(f.moves.back, 9000, 120, 1575, 285);
    f.moves.back.Caption = QStringLiteral("Назад");
    f.moves.back.BackColor = RGB(192, 64, 0);
    Name(f.moves.reviewForward, "Command2(1)");
    Place(f.moves.reviewForward, 360, 120, 1575, 285);
    f.moves.reviewForward.Caption = QStringLiteral("Напред");
    Name(f.moves.reviewBack, "Command2(2)");
    Place(f.moves.reviewBack, 9120, 120, 1575, 285);
    f.moves.reviewBack.Caption = QStringLiteral("Назад");
    for (CommandButton* review : {&f.moves.reviewForward, &f.moves.reviewBack}) {
        review->BackColor = kReviewButtonBack;
        review->Visible = false;
    }
}

// The question, its option boxes and, in the frame, their buttons.
void DesignQuestion(FormControls& f) {
    Name(f.questionText, "Text2(0)");
    Place(f.questionText, 120, 480, 10635, 765);
    f.questionText.Text = QStringLiteral("Текст на задавания въпрос\r\n");
    const std::array<OptionColumn, 5> columns = OptionColumns(0);
    const QString optionTexts[] = {
        QStringLiteral("1-ви отговор\r\nабвгдежзийклмнопрстуфхцчшщъьюя\r\n"),
        QStringLiteral("2-ри отговор\r\n"),
        QStringLiteral("3-ти отговор\r\n"),
        QStringLiteral("4-ти отговор\r\n"),
        QStringLiteral("5-ти отговор\r\n"),
    };
    for (int slot = 0; slot < 5; ++slot) {
        const OptionColumn& column = columns[static_cast<std::size_t>(slot)];
        TextBox& box = f.options.texts(slot);
        box.Name = QStringLiteral("Text2(%1)").arg(slot + 1);
        Place(box, column.boxLeft, 1320, column.boxWidth, 1005);
        box.Text = optionTexts[slot];
        box.Visible = false;
    }

    Name(f.options.frame, "Frame1");
    Place(f.options.frame, 120, 2400, 10695, 495);
    f.options.frame.Caption = QStringLiteral("Frame1");
    f.options.frame.BackColor = RGB(128, 128, 255);
    const QString letters = QStringLiteral("ABCDE");
    for (int slot = 0; slot < 5; ++slot) {
        const OptionColumn& column = columns[static_cast<std::size_t>(slot)];
        OptionButton& button = f.options.buttons(slot);
        Place(button, column.buttonLeft, 120, column.buttonWidth, 285); // inside the frame
        button.Caption = QStringLiteral("Отговор ") + letters[slot];
        button.BackColor = kOptionBack;
        button.Visible = false;
    }
}

// The indicator, the phrase, the two bars and the labels beside the grade button.
void DesignProgress(FormControls& f) {
    Name(f.indicator.caption, "Label1(4)");
    Place(f.indicator.caption, 240, 2880, 2055, 315);
    f.indicator.caption.Caption = QStringLiteral("Въведен отговор: ");
    f.indicator.caption.BackColor = kLabelBack;
    Name(f.indicator.light, "Picture1");
    Place(f.indicator.light, 2400, 2880, 6135, 200);
    f.indicator.light.BackColor = kRed; // not answered

    Name(f.phraseText, "Text2(6)");
    Place(f.phraseText, 120, 3120, 10635, 525);
    f.phraseText.Text = QStringLiteral("При посочен отговор се извежда цялата фраза.\r\n");

    Name(f.progress.positionBar.passed, "Shape1(0)");
    Place(f.progress.positionBar.passed, 120, 3700, 135, 255);
    f.progress.positionBar.passed.BackColor = RGB(0, 255, 0);
    Name(f.progress.positionBar.rest, "Shape1(1)");
    Place(f.progress.positionBar.rest, 240, 3700, 9855, 255);
    f.progress.positionBar.rest.BackColor = RGB(0, 255, 255);
    Name(f.progress.answeredBar.passed, "Shape2(0)");
    Place(f.progress.answeredBar.passed, 120, 4000, 135, 255);
    f.progress.answeredBar.passed.BackColor = RGB(255, 128, 0);
    Name(f.progress.answeredBar.rest, "Shape2(1)");
    Place(f.progress.answeredBar.rest, 240, 4000, 9855, 255);
    f.progress.answeredBar.rest.BackColor = RGB(255, 255, 0);

    Name(f.progress.answeredCount, "Label1(2)");
    Place(f.progress.answeredCount, 1800, 4395, 3015, 285);
    f.progress.answeredCount.Caption = QStringLiteral("Въведени отговори: ");
    Name(f.checkLabel, "Label1(3)");
    Place(f.checkLabel, 4920, 4395, 1815, 285);
    f.checkLabel.Caption = QStringLiteral("Тото: ");
    f.checkLabel.Visible = false;
    Name(f.resultLabel, "Label1(1)");
    Place(f.resultLabel, 7560, 4395, 3135, 285);
    f.resultLabel.Caption = QStringLiteral("Резултат: ");
    for (Label* label : {&f.resultLabel, &f.progress.answeredCount, &f.checkLabel})
        label->BackColor = kLabelBack;
}

// The grade button, the picture area and the information boxes.
void DesignLower(FormControls& f) {
    Name(f.gradeButton, "Command2(0)");
    Place(f.gradeButton, 120, 4400, 1575, 285);
    f.gradeButton.Caption = QStringLiteral("Оценяване");
    f.gradeButton.BackColor = kReviewButtonBack;

    Name(f.pictureArea, "Picture2");
    Place(f.pictureArea, 120, 4800, kPictureAreaWidth, kPictureAreaHeight);
    Name(f.infoBox, "Text1(0)");
    Place(f.infoBox, 3600, 4800, 7215, 2055);
    f.infoBox.Text = HelpText();
    Name(f.hiddenNote, "Text1(1)");
    Place(f.hiddenNote, 4200, 6360, 6735, 1815);
    f.hiddenNote.Text = HiddenNote();
    f.hiddenNote.Visible = false;
}

// The time left, hidden until a time limit shows it: between the review's
// "Напред" (to 1935) and the title (from 3000), above the question (480).
void DesignTimeLeft(FormControls& f) {
    Name(f.timeLeft, "TimeLeft");
    Place(f.timeLeft, 1965, 30, 1005, 420);
    f.timeLeft.BackColor = kLabelBack;
    f.timeLeft.Visible = false;
}

// Tab order; labels and shapes keep theirs although they take no focus. The
// gaps are the state lists of old, which the run now holds as values.
void DesignTabOrder(FormControls& f) {
    f.infoBox.TabIndex = 0;
    f.hiddenNote.TabIndex = 1;
    f.titleLabel.TabIndex = 2;
    f.questionText.TabIndex = 3;
    for (int slot = 0; slot <= 3; ++slot)
        f.options.texts(slot).TabIndex = 4 + slot;
    f.phraseText.TabIndex = 8;
    f.options.frame.TabIndex = 9;
    for (int slot = 0; slot <= 3; ++slot)
        f.options.buttons(slot).TabIndex = 10 + slot;
    f.moves.forward.TabIndex = 14;
    f.moves.back.TabIndex = 15;
    f.resultLabel.TabIndex = 20;
    f.gradeButton.TabIndex = 21;
    f.moves.reviewForward.TabIndex = 22;
    f.moves.reviewBack.TabIndex = 23;
    f.progress.answeredCount.TabIndex = 24;
    f.indicator.light.TabIndex = 25;
    f.checkLabel.TabIndex = 26;
    f.options.texts(4).TabIndex = 29;
    f.indicator.caption.TabIndex = 30;
    f.pictureArea.TabIndex = 31;
    f.options.buttons(4).TabIndex = 33;
}

} // namespace

FormControls::FormControls() {
    window.Caption = WindowCaption(QString());
    menu.exit.Name = QStringLiteral("izhod(0)");
    menu.exit.Caption = QStringLiteral("Изход");
    menu.author.Name = QStringLiteral("autor");
    menu.author.Caption = QStringLiteral("Автор");

    DesignTop(*this);
    DesignQuestion(*this);
    DesignProgress(*this);
    DesignLower(*this);
    DesignTimeLeft(*this);
    DesignTabOrder(*this);
}

} // namespace vorn
