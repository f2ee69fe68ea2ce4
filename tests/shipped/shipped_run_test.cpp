// A run started on the shipped test: 21 questions, the last of them question 1
// again with its key, options, picture and explanation.

#include "shipped/shipped_bank.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Step 2 (0.05 draws row 0), then one option order per question.
std::unique_ptr<test::Run> StartShipped() {
    std::vector<float> values{0.05f};
    for (int i = 0; i < 21; ++i)
        values.push_back(static_cast<float>(i) / 21.0f);
    return test::StartRun(ShippedBank(), values);
}

} // namespace

TEST(ShippedRun, HasTwentyOneQuestionsTheLastBeingTheFirstAgain) {
    const auto run = StartShipped();
    const VORN_Prazno& f = *run->form;
    const QuestionBank& bank = run->bank;
    EXPECT_EQ(f.QuestionCount, 21);
    EXPECT_EQ(f.OrderStep, 2);
    ASSERT_EQ(bank.List1(0).ListCount(), 21);
    EXPECT_EQ(bank.List1(0).List(20), bank.List1(0).List(0));
    EXPECT_EQ(bank.List1(21).items(), bank.List1(1).items());
    ASSERT_NE(bank.Picture1(21).Picture, nullptr);
    EXPECT_EQ(bank.Picture1(21).Picture, bank.Picture1(1).Picture) << "shared, not copied";
    EXPECT_EQ(bank.Obqsnenie(21).items(), bank.Obqsnenie(1).items());
    EXPECT_EQ(bank.Obqsnenie(21).ListCount(), 6);
    EXPECT_EQ(f.List2(1).List(20), QStringLiteral("0")) << "the last position asks question 1";
    // The bank's own last question keeps its picture.
    ASSERT_NE(bank.Picture1(20).Picture, nullptr);
    EXPECT_NE(bank.Picture1(20).Picture, bank.Picture1(1).Picture);
}

TEST(ShippedRun, FirstPositionShowsItsQuestionWithPictureAndFourOptions) {
    const auto run = StartShipped();
    const VORN_Prazno& f = *run->form;
    const QuestionBank& bank = run->bank;
    // Step 2: position 0 asks question number 2, the third of the bank.
    ASSERT_EQ(test::CurrentQuestion(f), 2);
    EXPECT_EQ(f.Text2(0).Text, bank.List1(3).List(0));
    EXPECT_EQ(f.Picture2.Picture, bank.Picture1(3).Picture);
    ASSERT_NE(f.Picture2.Picture, nullptr);
    QStringList shown;
    for (int i = 1; i <= 4; ++i)
        shown << f.Text2(i).Text;
    shown.sort();
    QStringList stored = bank.List1(3).items().mid(1);
    stored.sort();
    EXPECT_EQ(shown, stored);
    EXPECT_GE(test::KeySlot(f), 0) << "the key is one of the options shown";
}

// Every question, at whatever position, offers its key among its options, so
// every question of the run can be answered right.
TEST(ShippedRun, EveryPositionCanBeAnsweredRight) {
    const auto run = StartShipped();
    VORN_Prazno& f = *run->form;
    for (int p = 0; p < f.QuestionCount; ++p) {
        ASSERT_EQ(f.CurrentPos, p);
        test::AnswerRight(f);
        EXPECT_EQ(f.List2(3).List(p), QStringLiteral("1")) << "position " << p;
        f.Command1_Click(0);
    }
    EXPECT_EQ(f.AnsweredCount, 21);
}
