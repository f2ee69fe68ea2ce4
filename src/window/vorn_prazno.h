#pragma once
// VORN_Prazno, the main form: its controls, the state of a test run, the event
// handlers and the procedures they call. Everything here works on the control
// model; the Qt view draws it and delivers the user's clicks as these events.
//
//   window/       the design, start-up, author notice and exit
//   run/          Form_Load, DrawOrderStep
//   display/      ShowQuestion, ShowReviewQuestion, ShowFilledPhrase,
//                 ShowProgress, ShowQuestionPicture, SelectStateRows
//   interaction/  Command1_Click, Command2_Click, Option1_Click, ShowVerdict

#include "bank/question_bank.h"
#include "grade_result.h"
#include "platform/control_array.h"
#include "platform/controls.h"
#include "platform/option_group.h"
#include "platform/random_source.h"
#include "shared_colors.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace vorn {

class VORN_Prazno {
public:
    VORN_Prazno(QuestionBank& bank, RandomSource& random);
    VORN_Prazno(const VORN_Prazno&) = delete;
    VORN_Prazno& operator=(const VORN_Prazno&) = delete;

    // ---- the window ----
    QString Caption;
    Color BackColor = kNeutral;
    Twips ScaleWidth = 10905; // client area
    Twips ScaleHeight = 6945;
    QString FontName = QStringLiteral("Times New Roman");
    int FontSize = 12;

    // ---- controls, as the design lays them out ----
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
    ControlArray<ListBox> List2{QStringLiteral("List2"), 0, 6}; // the hidden state lists
    ControlArray<MenuCommand> izhod{QStringLiteral("izhod"), {0}};
    MenuCommand autor;

    // ---- the state of a run ----
    int CurrentPos = 0;
    int LastChoice = 0;
    int QuestionCount = 0;
    std::int16_t OrderStep = 0;
    std::int16_t AnsweredCount = 0;
    std::optional<GradeResult> Outcome; // set by grading

    // ---- events ----
    void Form_Load();
    void Command1_Click(std::int16_t Index);
    void Command2_Click(std::int16_t Index);
    void Option1_Click(std::int16_t Index);
    void autor_Click();
    void izhod_Click(std::int16_t Index);

    // Ends the program; the platform sets it to leave its event loop.
    std::function<void()> End = [] {};
    // Runs at the very end of grading, with Outcome set; the platform sets it
    // to keep the results.
    std::function<void()> Graded = [] {};

    QuestionBank& VORN_Danni;

private:
    friend class FormProbe; // tests drive the procedures one at a time

    void LoadDesign();

    void DrawOrderStep();
    void ShowQuestion();
    void ShowReviewQuestion();
    void ShowFilledPhrase();
    void ShowProgress();
    void ShowQuestionPicture(std::int16_t& Q);
    void Grade(); // Command2_Click with Index 0
    void ShowVerdict();
    void SelectStateRows();

    RandomSource& Rnd;
};

// The publisher's address: a placeholder on a reserved example domain.
QString PublisherAddress();

// The texts of the information boxes at start.
QString HelpText();
QString HiddenNote();

} // namespace vorn
