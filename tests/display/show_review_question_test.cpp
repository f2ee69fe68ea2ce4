// The question display after grading: colours of the chosen and the correct
// option, the indicator, and the explanation or the missing-answer note.

#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;
using test::kCheckOff;
using test::MakeBank;
using test::StartRun;

namespace {

constexpr Color kPlainGreen = RGB(0, 255, 0);
constexpr Color kPlainRed = RGB(255, 0, 0);
constexpr Color kLightBlue = RGB(192, 192, 255);

// Four questions in bank order 2, 0, 3, 1 (step 3, from 0.1 over eight rows
// trimmed to "2", "3"... below 4: step 3), identity option orders.
std::unique_ptr<test::Run> FourQuestions(BankContent content) {
    return StartRun(content, {0.1f, 0.0f, 0.0f, 0.0f, 0.0f});
}

BankContent Four() {
    return MakeBank({.questions = 4, .checkFlag = kCheckOff});
}

} // namespace

TEST(ReviewDisplay, RightWrongAndUnansweredPositions) {
    const auto run = FourQuestions(Four());
    VORN_Prazno& f = *run->form;
    ASSERT_EQ(f.List2(1).items(), (QStringList{"3", "2", "1", "0"}));
    test::AnswerRight(f); // position 0
    f.Command1_Click(0);
    test::AnswerWrong(f); // position 1
    f.Command2_Click(0);

    // Position 0, right: chosen button green and selected, indicator green.
    EXPECT_TRUE(f.Option1(0).Value());
    EXPECT_EQ(f.Option1(0).BackColor, kPlainGreen);
    for (const int i : {1, 2, 3, 4})
        EXPECT_EQ(f.Option1(i).BackColor, kLightBlue) << i;
    EXPECT_EQ(f.Picture1.BackColor, kPlainGreen);
    EXPECT_EQ(f.Text1(0).Text,
              QStringLiteral("Обяснение на 4, ред 1\r\nОбяснение на 4, ред 2\r\n"));

    // Position 1, wrong: chosen red, correct green, indicator red.
    f.Command2_Click(1);
    EXPECT_TRUE(f.Option1(1).Value());
    EXPECT_EQ(f.Option1(1).BackColor, kPlainRed);
    EXPECT_EQ(f.Option1(0).BackColor, kPlainGreen);
    EXPECT_EQ(f.Picture1.BackColor, kPlainRed);
    EXPECT_TRUE(f.Text1(0).Text.startsWith(QStringLiteral("Обяснение на 3")));

    // Position 2, never answered: nothing selected or marked.
    f.Command2_Click(1);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_FALSE(f.Option1(i).Value());
        EXPECT_EQ(f.Option1(i).BackColor, kLightBlue);
    }
    EXPECT_EQ(f.Picture1.BackColor, kPlainRed);
    EXPECT_EQ(f.Text2(6).Text, QString());
    EXPECT_EQ(f.Text1(0).Text, QStringLiteral("Няма въведен отговор!"));
    EXPECT_EQ(f.AnsweredCount, 2) << "review restores choices without counting";
}

TEST(ReviewDisplay, KeyMatchingNoOptionMarksTheChoiceRedAndNothingGreen) {
    auto content = Four();
    content.questions[3].key = QStringLiteral("1:2"); // options read "4-1" .. "4-4"
    const auto run = FourQuestions(content);
    VORN_Prazno& f = *run->form;
    EXPECT_EQ(test::KeySlot(f), -1);
    f.Option1(0).setValue(true);
    EXPECT_EQ(f.List2(3).List(0), QStringLiteral("0"));
    f.Command2_Click(0);
    EXPECT_EQ(f.Option1(0).BackColor, kPlainRed);
    for (const int i : {1, 2, 3, 4})
        EXPECT_EQ(f.Option1(i).BackColor, kLightBlue);
}

TEST(ReviewDisplay, ExplanationSwitchOffOrEmptyExplanationLeavesTheBoxEmpty) {
    auto content = MakeBank({.questions = 4,
                             .checkFlag = kCheckOff,
                             .explanationFlag = QStringLiteral("Дава описание - 0")});
    const auto off = FourQuestions(content);
    test::AnswerRight(*off->form);
    off->form->Command2_Click(0);
    EXPECT_EQ(off->form->Text1(0).Text, QString());
    off->form->Command2_Click(1);
    EXPECT_EQ(off->form->Text1(0).Text, QStringLiteral("Няма въведен отговор!"))
        << "whatever the switch says";

    auto empty = Four();
    empty.questions[3].explanation.clear();
    const auto none = FourQuestions(empty);
    test::AnswerWrong(*none->form);
    none->form->Command2_Click(0);
    EXPECT_EQ(none->form->Text1(0).Text, QString());
}

TEST(ReviewDisplay, HiddenSlotsAreResetToNeutralToo) {
    auto content = MakeBank({.questions = 4, .checkFlag = kCheckOff, .optionCounts = {5, 5, 5, 2}});
    const auto run = FourQuestions(content);
    VORN_Prazno& f = *run->form;
    f.Command2_Click(0); // position 0: question 3, two options
    EXPECT_FALSE(f.Option1(4).Visible);
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(f.Option1(i).BackColor, kLightBlue);
    EXPECT_FALSE(f.Text2(3).Visible);
}

TEST(ReviewDisplay, CheckQuestionShowsTheExplanationOfQuestion1) {
    const auto run = StartRun(MakeBank({.questions = 3}), {0.1f, 0.0f, 0.0f, 0.0f, 0.0f});
    VORN_Prazno& f = *run->form;
    ASSERT_EQ(f.QuestionCount, 4);
    ASSERT_EQ(f.List2(1).List(0), QStringLiteral("3")) << "step 3 over 4: the check question";
    test::AnswerRight(f);
    f.Command2_Click(0);
    EXPECT_EQ(f.Text1(0).Text,
              QStringLiteral("Обяснение на 1, ред 1\r\nОбяснение на 1, ред 2\r\n"));
}
