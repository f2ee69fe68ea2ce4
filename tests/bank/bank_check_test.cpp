// The bank checker: what stops a bank (errors) and what is probably a mistake
// (warnings), each naming its question and, where the format knows it, the
// line the question starts on.

#include "bank/bank_check.h"
#include "support/pictures.h"
#include "support/test_banks.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

Picture Jpeg(int width, int height) {
    return MakePicture(test::EncodedImage(width, height));
}

// A bank of four questions read from a file whose questions start on lines
// 10, 20, 30 and 40; `change` breaks it.
std::vector<BankIssue> Check(const std::function<void(BankContent&)>& change) {
    LoadedBank bank;
    bank.content = test::MakeBank({.questions = 4, .check = CheckMode::Off});
    bank.questionLines = {10, 20, 30, 40};
    change(bank.content);
    return CheckBank(bank);
}

} // namespace

TEST(BankCheck, EachProblemIsFoundWithItsQuestionAndLine) {
    using S = BankIssue::Severity;
    const struct {
        const char* what;
        std::function<void(BankContent&)> change;
        S severity;
        int question, line;
        QString says;
    } cases[] = {
        {"empty text", [](BankContent& b) { b.questions[1].text = "  "; }, S::Error, 2, 20,
         "празен"},
        {"empty option", [](BankContent& b) { b.questions[2].options[1] = " \t"; }, S::Error, 3, 30,
         "отговор 2 (по реда в банката) е празен"},
        {"one option", [](BankContent& b) { b.questions[2].options = {"3-1"}; }, S::Error, 3, 30,
         "има 1 отговора"},
        {"six options",
         [](BankContent& b) {
             b.questions[3].options << "a"
                                    << "b";
         },
         S::Error, 4, 40, "има 6 отговора"},
        {"key matches none", [](BankContent& b) { b.questions[0].key = "1-1 "; }, S::Warning, 1, 10,
         "не съвпада"},
        {"key matches two", [](BankContent& b) { b.questions[1].options[2] = "2-1"; }, S::Warning,
         2, 20, "съвпада с 2"},
        {"same option twice", [](BankContent& b) { b.questions[2].options[3] = "3-2"; }, S::Warning,
         3, 30, "„3-2“ се повтаря"},
        {"phrase without blank", [](BankContent& b) { b.settings.phrasePreview = true; },
         S::Warning, 1, 10, "„_“"},
        {"picture too large", [](BankContent& b) { b.questions[3].picture = Jpeg(226, 100); },
         S::Note, 4, 40,
         "226 × 100 точки, а полето за нея е 225 × 137: ще се покаже цялата, умалена"},
    };
    for (const auto& c : cases) {
        const std::vector<BankIssue> issues = Check(c.change);
        ASSERT_GE(issues.size(), 1u) << c.what;
        const BankIssue& first = issues.front();
        EXPECT_EQ(first.severity, c.severity) << c.what;
        EXPECT_EQ(first.question, c.question) << c.what;
        EXPECT_EQ(first.line, c.line) << c.what;
        EXPECT_TRUE(first.message.contains(c.says))
            << c.what << ": " << first.message.toStdString();
    }
    EXPECT_TRUE(Check([](BankContent&) {}).empty()) << "a sound bank has nothing to say";
    EXPECT_TRUE(Check([](BankContent& b) { b.questions[0].picture = Jpeg(225, 137); }).empty())
        << "a picture the size of the area fits";
}

TEST(BankCheck, TwentyEightQuestionsWithTheCheckQuestionPlayTwentyNineDoNot) {
    for (const auto& [questions, refused] : {std::pair{28, false}, std::pair{29, true}}) {
        LoadedBank bank;
        bank.content = test::MakeBank({.questions = questions}); // the check question is on
        const std::vector<BankIssue> issues = CheckBank(bank);
        EXPECT_EQ(!issues.empty() && issues.front().isError(), refused) << questions;
    }
}
