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
    const Attempt& r = run->form->attempt();
    EXPECT_EQ(r.questionCount(), 21);
    EXPECT_EQ(r.orderStep(), 2);
    EXPECT_EQ(r.checkCopy(), 20);
    // Key, text, options, explanation (6 lines) and the same picture object.
    EXPECT_EQ(r.question(20), r.question(0));
    EXPECT_EQ(r.question(20).explanation.size(), 6);
    ASSERT_NE(r.question(20).picture, nullptr);
    EXPECT_EQ(r.questionAt(20), 0) << "the last position asks question 1";
    // The bank's own last question keeps its picture.
    ASSERT_NE(r.question(19).picture, nullptr);
    EXPECT_NE(r.question(19).picture, r.question(0).picture);
}

TEST(ShippedRun, FirstPositionShowsItsQuestionWithPictureAndFourOptions) {
    const auto run = StartShipped();
    const MainForm& f = *run->form;
    // Step 2: position 0 asks question number 2, the third of the bank.
    ASSERT_EQ(f.attempt().currentQuestion(), 2);
    const Question& third = run->bank.questions[2];
    EXPECT_EQ(f.controls().questionText.Text, third.text);
    EXPECT_EQ(f.controls().pictureArea.Picture, third.picture);
    ASSERT_NE(f.controls().pictureArea.Picture, nullptr);
    QStringList shown;
    for (int slot = 0; slot < 4; ++slot)
        shown << f.controls().options.texts(slot).Text;
    shown.sort();
    QStringList stored = third.options;
    stored.sort();
    EXPECT_EQ(shown, stored);
    EXPECT_GE(test::KeySlot(f), 0) << "the key is one of the options shown";
}

// Every question, at whatever position, offers its key among its options, so
// every question of the run can be answered right.
TEST(ShippedRun, EveryPositionCanBeAnsweredRight) {
    const auto run = StartShipped();
    MainForm& f = *run->form;
    for (int p = 0; p < f.attempt().questionCount(); ++p) {
        ASSERT_EQ(f.attempt().currentPosition(), p);
        test::AnswerRight(f);
        EXPECT_EQ(f.attempt().judgement(p), Judgement::Right) << "position " << p;
        f.forward();
    }
    EXPECT_EQ(f.attempt().answeredCount(), 21);
}
