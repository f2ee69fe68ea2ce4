// A bank that breaks a limit is refused before the run starts, with a message
// naming the limit and the question.

#include "bank/bank_limits.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

std::optional<QString> LimitCheck(const BankContent& content) {
    return CheckBankLimits(content);
}

} // namespace

TEST(BankLimits, ShippedShapedBanksPass) {
    EXPECT_EQ(LimitCheck(test::MakeBank({.questions = 20})), std::nullopt);
    EXPECT_EQ(LimitCheck(test::MakeBank({.questions = 3, .optionCounts = {2, 3, 5}})),
              std::nullopt);
}

TEST(BankLimits, RunNeedsThreeQuestionsCountingTheCheckQuestion) {
    EXPECT_EQ(LimitCheck(test::MakeBank({.questions = 2})), std::nullopt)
        << "2 + the check question";
    const auto refused = LimitCheck(test::MakeBank({.questions = 2, .check = CheckMode::Off}));
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->contains(QStringLiteral("поне 3"))) << refused->toStdString();
    EXPECT_TRUE(LimitCheck(test::MakeBank({.questions = 0})));
}

TEST(BankLimits, OptionCountsOutsideTwoToFiveNameTheQuestion) {
    for (const int k : {0, 1, 6}) {
        const auto refused =
            LimitCheck(test::MakeBank({.questions = 4, .optionCounts = {4, 4, k}}));
        ASSERT_TRUE(refused) << "k = " << k;
        EXPECT_TRUE(refused->startsWith(QStringLiteral("Въпрос 3: има %1 отговора").arg(k)))
            << refused->toStdString();
    }
}

TEST(BankLimits, CapacityIs29QuestionsOr28WithTheCheckQuestion) {
    EXPECT_EQ(LimitCheck(test::MakeBank({.questions = 29, .check = CheckMode::Off})), std::nullopt);
    EXPECT_EQ(LimitCheck(test::MakeBank({.questions = 28})), std::nullopt);
    const auto tooMany = LimitCheck(test::MakeBank({.questions = 29}));
    ASSERT_TRUE(tooMany);
    EXPECT_TRUE(tooMany->contains(QStringLiteral("Въпрос 29"))) << tooMany->toStdString();
    EXPECT_TRUE(tooMany->contains(QStringLiteral("Тото"))) << tooMany->toStdString();
    EXPECT_TRUE(LimitCheck(test::MakeBank({.questions = 30, .check = CheckMode::Off})));
    EXPECT_TRUE(LimitCheck(test::MakeBank({.questions = 45, .check = CheckMode::Off})))
        << "more questions than list slots";
}

TEST(BankLimits, StartOnABrokenBankThrowsBeforeTouchingAnything) {
    ScriptedRandom random; // empty: a start that drew anything would fail differently
    MainForm form(test::MakeBank({.questions = 4, .optionCounts = {4, 1}}), random);
    EXPECT_THROW(form.start(), BankLimitError);
    EXPECT_EQ(form.attempt().questionCount(), 0) << "no run was started";
}

TEST(BankLimits, APoolHoldsUpTo500AndTheRunLimitsHoldForTheDraw) {
    const auto pool = [](int questions, std::optional<int> draw, bool check = true) {
        BankContent content =
            check ? test::MakeBank({.questions = questions})
                  : test::MakeBank({.questions = questions, .check = CheckMode::Off});
        content.draw = draw;
        return LimitCheck(content);
    };
    const struct {
        int questions;
        std::optional<int> draw;
        bool check;
        const char* refusedWith; // null: plays
    } cases[] = {
        {500, 20, true, nullptr},
        {60, 28, true, nullptr},
        {60, 29, false, nullptr},
        {60, 2, true, nullptr}, // 2 and the check copy
        {501, 20, true, "до 500"},
        {60, 29, true, "до 28"},
        {60, 30, false, "до 29"},
        {60, 2, false, "поне 3"},
        {60, 0, true, "от 1"},
        {10, 11, true, "до броя"},
        {28, 28, true, nullptr}, // the whole bank: today's run
        {40, std::nullopt, true, "капацитета"},
    };
    for (const auto& c : cases) {
        const auto refused = pool(c.questions, c.draw, c.check);
        if (!c.refusedWith) {
            EXPECT_EQ(refused, std::nullopt) << c.questions << " " << c.draw.value_or(-1);
            continue;
        }
        ASSERT_TRUE(refused) << c.questions << " " << c.draw.value_or(-1);
        EXPECT_TRUE(refused->contains(QString::fromUtf8(c.refusedWith))) << refused->toStdString();
    }
}
