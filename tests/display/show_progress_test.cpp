// The progress bars, the counter, and the question picture.

#include "support/form_probe.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;
using test::MakeBank;
using test::StartRun;
using test::StepThenIdentity;

TEST(ProgressDisplay, WorkedValuesFor21Questions) {
    const auto run = StartRun(MakeBank(), StepThenIdentity(0.0f, 21));
    VORN_Prazno& f = *run->form;
    f.CurrentPos = 0;
    FormProbe::ShowProgress(f);
    EXPECT_EQ(f.Shape1(0).Width, 50.0f);
    EXPECT_EQ(f.Shape1(1).Left, 290.0f);
    EXPECT_EQ(f.Shape1(1).Left + f.Shape1(1).Width, 10525.0f);

    f.CurrentPos = 20;
    FormProbe::ShowProgress(f);
    EXPECT_NEAR(f.Shape1(0).Width, 10073.8f, 0.01f);
    EXPECT_NEAR(f.Shape1(1).Left, 10313.8f, 0.01f);
    EXPECT_NEAR(f.Shape1(1).Width, 211.2f, 0.01f);
    EXPECT_EQ(f.Shape1(0).Left, 240.0f) << "the passed segment never moves";
}

TEST(ProgressDisplay, AnsweredBarTreatsTheCountLikeAPosition) {
    const auto run = StartRun(MakeBank(), StepThenIdentity(0.0f, 21));
    VORN_Prazno& f = *run->form;
    f.AnsweredCount = 0;
    FormProbe::ShowProgress(f);
    const float zero = f.Shape2(0).Width;
    f.AnsweredCount = 1;
    FormProbe::ShowProgress(f);
    EXPECT_EQ(f.Shape2(0).Width, zero);
    EXPECT_EQ(f.Label1(2).Caption, QStringLiteral("Въведени отговори: 1/21"));
    f.AnsweredCount = 21;
    f.CurrentPos = 20;
    FormProbe::ShowProgress(f);
    EXPECT_EQ(f.Shape2(0).Width, f.Shape1(0).Width) << "all answered looks like the last position";
    EXPECT_EQ(f.Shape2(1).Left + f.Shape2(1).Width, 10525.0f);
    EXPECT_EQ(f.Label1(2).Caption, QStringLiteral("Въведени отговори: 21/21"));
}

TEST(ProgressDisplay, OneQuestionGivesTheSameBarsForNoneAndOneAnswered) {
    const auto run = StartRun(MakeBank(), StepThenIdentity(0.0f, 21));
    VORN_Prazno& f = *run->form;
    f.QuestionCount = 1;
    f.CurrentPos = 0;
    for (const int answered : {0, 1}) {
        f.AnsweredCount = static_cast<std::int16_t>(answered);
        FormProbe::ShowProgress(f);
        EXPECT_EQ(f.Shape1(0).Width, 50.0f);
        EXPECT_EQ(f.Shape2(0).Width, 50.0f);
        EXPECT_EQ(f.Shape2(1).Left, 290.0f);
        EXPECT_EQ(f.Shape2(1).Width, 10525.0f - 290.0f);
    }
}

TEST(ProgressDisplay, EveryCallEmptiesThePreviewEvenWhenHidden) {
    const auto run = StartRun(MakeBank(), StepThenIdentity(0.0f, 21));
    VORN_Prazno& f = *run->form;
    ASSERT_FALSE(f.Text2(6).Visible);
    f.Text2(6).Text = QStringLiteral("стар текст");
    FormProbe::ShowProgress(f);
    EXPECT_EQ(f.Text2(6).Text, QString());
}

TEST(QuestionPicture, IsSharedWithTheBankAndClearedByAQuestionWithout) {
    auto content = MakeBank();
    content.questions[7].picture = nullptr; // question number 7 has none
    // Step 7 (0.3 with 20 questions and the check off) shows question 7 first.
    content.settings[2] = test::kCheckOff;
    const auto run = StartRun(content, StepThenIdentity(0.3f, 20));
    VORN_Prazno& f = *run->form;
    EXPECT_FALSE(f.Picture2.Picture);
    f.Command1_Click(0); // position 1: question 14
    EXPECT_EQ(f.Picture2.Picture, run->bank.Picture1(15).Picture);
    EXPECT_EQ(f.Picture2.Picture.get(), run->bank.Picture1(15).Picture.get());
    f.Command1_Click(1);
    EXPECT_FALSE(f.Picture2.Picture) << "the previous picture does not linger";
}
