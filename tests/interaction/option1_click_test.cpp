// Choosing an option: recorded, judged by text, counted once, kept for the
// "Тото" check, and the strip turns green.

#include "support/form_probe.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;
using test::kCheckOff;
using test::MakeBank;
using test::StartRun;

namespace {

// 20 questions plus the check question, step 2: position 0 shows question 2,
// position 9 question 20 (the last), position 20 question 0.
std::unique_ptr<test::Run> Shipped() {
    return StartRun(MakeBank(), test::StepThenIdentity(0.0f, 21));
}

} // namespace

TEST(AnswerSelection, FirstAnswerIsRecordedJudgedAndCounted) {
    const auto run = Shipped();
    VORN_Prazno& f = *run->form;
    test::AnswerRight(f);
    EXPECT_EQ(f.List2(0).List(0), QStringLiteral("0"));
    EXPECT_EQ(f.List2(3).List(0), QStringLiteral("1"));
    EXPECT_EQ(f.AnsweredCount, 1);
    EXPECT_EQ(f.Label1(2).Caption, QStringLiteral("Въведени отговори: 1/21"));
    EXPECT_EQ(f.Picture1.BackColor, RGB(0, 255, 0));
    EXPECT_EQ(f.LastChoice, 0);
    EXPECT_EQ(f.List2(3).ListIndex(), 0);
}

TEST(AnswerSelection, ChangingAnAnswerReplacesItWithoutCounting) {
    const auto run = Shipped();
    VORN_Prazno& f = *run->form;
    test::AnswerRight(f);
    f.Option1(3).setValue(true);
    EXPECT_EQ(f.List2(0).List(0), QStringLiteral("3"));
    EXPECT_EQ(f.List2(3).List(0), QStringLiteral("0"));
    EXPECT_EQ(f.AnsweredCount, 1);
    EXPECT_EQ(f.Picture1.BackColor, RGB(0, 255, 0)) << "green whether right or wrong";
    EXPECT_EQ(f.List2(6).items(), (QStringList{"Pyrwi", "Posleden"}))
        << "neither the first nor the last question";
}

TEST(AnswerSelection, JudgementIsByWholeExactText) {
    auto content = MakeBank({.questions = 3, .checkFlag = kCheckOff});
    // Question 2 (shown first) has the key twice, once with other case.
    content.questions[2].options = {QStringLiteral("Да"), QStringLiteral("да"),
                                    QStringLiteral("Да"), QStringLiteral("Да ")};
    content.questions[2].key = QStringLiteral("Да");
    const auto run = StartRun(content, {0.0f, 0.0f, 0.0f, 0.0f});
    VORN_Prazno& f = *run->form;
    const QString expected[] = {"1", "0", "1", "0"};
    for (int i = 0; i < 4; ++i) {
        f.Option1(i).setValue(true);
        EXPECT_EQ(f.List2(3).List(0), expected[i]) << "option " << i;
    }
    EXPECT_EQ(f.AnsweredCount, 1);
}

TEST(AnswerSelection, ChoicesForTheFirstAndLastQuestionAreKeptForTheCheck) {
    const auto run = Shipped();
    VORN_Prazno& f = *run->form;
    for (int p = 0; p < 9; ++p)
        f.Command1_Click(0);
    ASSERT_EQ(test::CurrentQuestion(f), 20);
    f.Option1(2).setValue(true);
    EXPECT_EQ(f.List2(6).items(), (QStringList{"Pyrwi", "1-3"}));
    f.Option1(1).setValue(true);
    EXPECT_EQ(f.List2(6).List(1), QStringLiteral("1-2")) << "a new choice replaces it";
    for (int p = 9; p < 20; ++p)
        f.Command1_Click(0);
    ASSERT_EQ(test::CurrentQuestion(f), 0);
    f.Option1(1).setValue(true);
    EXPECT_EQ(f.List2(6).items(), (QStringList{"1-2", "1-2"}));
}

TEST(AnswerSelection, WithOneQuestionOneChoiceFillsBothCheckRows) {
    // A single-question run cannot be started from a bank; lay its state out
    // by hand and let the display and the click do the rest.
    QuestionBank bank;
    bank.Load(MakeBank({.questions = 1, .checkFlag = kCheckOff}));
    ScriptedRandom random;
    VORN_Prazno f(bank, random);
    f.QuestionCount = 1;
    f.CurrentPos = 0;
    f.AnsweredCount = 0;
    for (int j = 0; j <= 4; ++j)
        f.List2(j).Clear();
    f.List2(0).AddItem("-1");
    f.List2(1).AddItem("0");
    f.List2(2).AddItem("1234");
    f.List2(3).AddItem("-1");
    f.List2(4).AddItem("-1");
    FormProbe::ShowQuestion(f);
    f.Option1(3).setValue(true);
    EXPECT_EQ(f.List2(6).items(), (QStringList{"1-4", "1-4"}));
    EXPECT_EQ(f.AnsweredCount, 1);
    f.Command1_Click(0);
    f.Command1_Click(1);
    EXPECT_EQ(f.CurrentPos, 0);
    EXPECT_EQ(f.AnsweredCount, 1);
    f.Command2_Click(0);
    EXPECT_EQ(f.Label1(1).Caption, QStringLiteral("Резултат: 0/1 = 0%"));
    EXPECT_EQ(f.Label1(3).Caption, QStringLiteral("Проверка - Да"));
}
