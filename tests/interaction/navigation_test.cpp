// Moving through the test: one step at a time, clamped at both ends, redrawn
// every time, with the display of the current mode.

#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

std::unique_ptr<test::Run> TwentyOne() {
    return test::StartRun(test::MakeBank(), test::StepThenIdentity(0.0f, 21));
}

} // namespace

TEST(Navigation, TestModeStopsAtBothEndsAndRedrawsThere) {
    const auto run = TwentyOne();
    VORN_Prazno& f = *run->form;
    for (int i = 0; i < 25; ++i)
        f.Command1_Click(0);
    EXPECT_EQ(f.CurrentPos, 20);
    f.Text2(0).Text = QStringLiteral("стар");
    f.Command1_Click(0);
    EXPECT_EQ(f.CurrentPos, 20);
    EXPECT_EQ(f.Text2(0).Text, QStringLiteral("Въпрос 1")) << "drawn again at the end";
    for (int i = 0; i < 25; ++i)
        f.Command1_Click(1);
    EXPECT_EQ(f.CurrentPos, 0);
    f.Text2(0).Text = QStringLiteral("стар");
    f.Command1_Click(1);
    EXPECT_EQ(f.Text2(0).Text, QStringLiteral("Въпрос 3"));
}

TEST(Navigation, MovingNeverChangesAnswers) {
    const auto run = TwentyOne();
    VORN_Prazno& f = *run->form;
    test::AnswerRight(f);
    f.Command1_Click(0);
    test::AnswerWrong(f);
    const QStringList chosen = f.List2(0).items();
    const QStringList judged = f.List2(3).items();
    for (int i = 0; i < 5; ++i)
        f.Command1_Click(0);
    for (int i = 0; i < 7; ++i)
        f.Command1_Click(1);
    EXPECT_EQ(f.AnsweredCount, 2);
    EXPECT_EQ(f.List2(0).items(), chosen);
    EXPECT_EQ(f.List2(3).items(), judged);
}

TEST(Navigation, ReviewModeHasTheSameBoundsAndDrawsTheReview) {
    const auto run = TwentyOne();
    VORN_Prazno& f = *run->form;
    f.Command2_Click(0);
    f.Command2_Click(2);
    EXPECT_EQ(f.CurrentPos, 0);
    EXPECT_EQ(f.Text1(0).Text, QStringLiteral("Няма въведен отговор!"));
    for (int i = 0; i < 25; ++i)
        f.Command2_Click(1);
    EXPECT_EQ(f.CurrentPos, 20);
    EXPECT_EQ(f.Text2(0).Text, QStringLiteral("Въпрос 1"));
    EXPECT_EQ(f.Option1(0).BackColor, RGB(192, 192, 255));
    EXPECT_EQ(f.Text1(0).Text, QStringLiteral("Няма въведен отговор!"));
    for (int i = 0; i < 25; ++i)
        f.Command2_Click(2);
    EXPECT_EQ(f.CurrentPos, 0);
}

TEST(Navigation, OneQuestionLeavesBothPairsAtZero) {
    const auto run = TwentyOne();
    VORN_Prazno& f = *run->form;
    f.QuestionCount = 1;
    for (const int i : {0, 1, 0}) {
        f.Command1_Click(static_cast<std::int16_t>(i));
        EXPECT_EQ(f.CurrentPos, 0);
    }
}
