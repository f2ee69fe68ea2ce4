// The question display in test mode: slots, drawn option order, the recorded
// correct slot, and the restored choice through the nested click.

#include "support/form_probe.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;
using test::kCheckOff;
using test::MakeBank;
using test::StartRun;

namespace {

// Three questions shown in bank order 1, 2, 0 (step 1 cannot be drawn, so the
// step is 2 over 3 questions: positions show questions 2, 1, 0).
std::unique_ptr<test::Run> ThreeQuestions(std::vector<int> optionCounts,
                                          std::vector<float> orders = {0, 0, 0}) {
    std::vector<float> values{0.0f};
    values.insert(values.end(), orders.begin(), orders.end());
    return StartRun(
        MakeBank({.questions = 3, .checkFlag = kCheckOff, .optionCounts = std::move(optionCounts)}),
        values);
}

} // namespace

TEST(TestModeDisplay, ShowsExactlyAsManySlotsAsOptions) {
    const auto run = ThreeQuestions({5, 4, 2});
    VORN_Prazno& f = *run->form;
    ASSERT_EQ(test::CurrentQuestion(f), 2);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(f.Text2(i).Visible, i <= 2) << "slot " << i;
        EXPECT_EQ(f.Option1(i - 1).Visible, i <= 2) << "slot " << i;
    }
    f.Command1_Click(0);
    f.Command1_Click(0); // question 0, five options
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(f.Option1(i - 1).Visible);
    EXPECT_EQ(f.Text2(5).Text, QStringLiteral("1-5"));
}

TEST(TestModeDisplay, OptionsFollowTheOrderOfTheQuestionNotOfThePosition) {
    // Orders by question number: 0 -> "3412" (r rounds to 16), 2 -> "21".
    const auto run = ThreeQuestions({4, 4, 2}, {0.016f, 0.0f, 0.001f});
    VORN_Prazno& f = *run->form;
    EXPECT_EQ(f.List2(2).items(), (QStringList{"3412", "1234", "21"}));
    EXPECT_EQ(f.Text2(1).Text, QStringLiteral("3-2"));
    EXPECT_EQ(f.Text2(2).Text, QStringLiteral("3-1"));
    EXPECT_EQ(f.List2(4).List(0), QStringLiteral("1")) << "the key 3-1 stands in slot 2";
    f.Command1_Click(0);
    f.Command1_Click(0);
    EXPECT_EQ(f.Text2(1).Text, QStringLiteral("1-3"));
    EXPECT_EQ(f.Text2(4).Text, QStringLiteral("1-2"));
    EXPECT_EQ(f.List2(4).List(2), QStringLiteral("2")) << "key 1-1 in slot 3";
}

TEST(TestModeDisplay, CorrectSlotKeepsMinusOneWithoutMatchAndTakesTheHigherOfTwo) {
    auto content = MakeBank({.questions = 3, .checkFlag = kCheckOff});
    content.questions[2].key = QStringLiteral("3-1 "); // differs by a trailing blank
    content.questions[1].options = {QStringLiteral("2-1"), QStringLiteral("x"),
                                    QStringLiteral("2-1"), QStringLiteral("y")};
    const auto run = StartRun(content, {0.0f, 0.0f, 0.0f, 0.0f});
    VORN_Prazno& f = *run->form;
    EXPECT_EQ(f.List2(4).List(0), QStringLiteral("-1"));
    f.Command1_Click(0); // question 1, the key twice
    EXPECT_EQ(f.List2(4).List(1), QStringLiteral("2"));
    EXPECT_EQ(f.List2(4).List(2), QStringLiteral("-1")) << "not shown yet";
}

TEST(TestModeDisplay, AWrongAnswerIsRestoredGreenAndUncountedWhenComingBack) {
    const auto run = ThreeQuestions({4, 4, 4});
    VORN_Prazno& f = *run->form;
    EXPECT_EQ(f.Picture1.BackColor, RGB(255, 0, 0));
    test::AnswerWrong(f);
    EXPECT_EQ(f.AnsweredCount, 1);
    const QString chosen = f.List2(0).List(0);
    f.Command1_Click(0);
    EXPECT_EQ(f.Picture1.BackColor, RGB(255, 0, 0)) << "position 1 is not answered";
    for (int i = 0; i <= 4; ++i)
        EXPECT_FALSE(f.Option1(i).Value());
    f.Command1_Click(1);
    EXPECT_EQ(f.AnsweredCount, 1) << "restoring the choice counts nothing";
    EXPECT_TRUE(f.Option1(chosen.toInt()).Value());
    EXPECT_EQ(f.List2(0).List(0), chosen);
    EXPECT_EQ(f.List2(3).List(0), QStringLiteral("0"));
    EXPECT_EQ(f.Picture1.BackColor, RGB(0, 255, 0)) << "test mode does not reveal correctness";
    EXPECT_EQ(f.Label1(2).Caption, QStringLiteral("Въведени отговори: 1/3"));
}

TEST(TestModeDisplay, RestoredChoiceBringsThePreviewBack) {
    auto content = MakeBank(
        {.questions = 3, .phraseFlag = QStringLiteral("фраза - 1"), .checkFlag = kCheckOff});
    for (auto& q : content.questions)
        q.text = QStringLiteral("Аз ___ тук.");
    const auto run = StartRun(content, {0.0f, 0.0f, 0.0f, 0.0f});
    VORN_Prazno& f = *run->form;
    EXPECT_EQ(f.Text2(6).Text, QString()) << "nothing chosen yet";
    f.Option1(1).setValue(true);
    EXPECT_EQ(f.Text2(6).Text, QStringLiteral("Аз  3-2 тук."));
    f.Command1_Click(0);
    EXPECT_EQ(f.Text2(6).Text, QString());
    f.Command1_Click(1);
    EXPECT_EQ(f.Text2(6).Text, QStringLiteral("Аз  3-2 тук."));
    EXPECT_EQ(f.LastChoice, 1);
}

TEST(TestModeDisplay, StateRowsFollowThePosition) {
    const auto run = ThreeQuestions({4, 4, 4});
    VORN_Prazno& f = *run->form;
    f.Command1_Click(0);
    for (int j = 0; j <= 4; ++j)
        EXPECT_EQ(f.List2(j).ListIndex(), 1) << "List2(" << j << ")";
    EXPECT_EQ(f.List2(5).ListIndex(), -1);
    EXPECT_EQ(f.List2(6).ListIndex(), -1);
}
