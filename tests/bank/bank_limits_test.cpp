// A bank that breaks a limit is refused before the run starts, with a message
// naming the limit and the question.

#include "bank/bank_limits.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;
using test::kCheckOff;

namespace {

std::optional<QString> Check(const BankContent& content) {
    return CheckBankLimits(content);
}

} // namespace

TEST(BankLimits, ShippedShapedBanksPass) {
    EXPECT_EQ(Check(test::MakeBank({.questions = 20})), std::nullopt);
    EXPECT_EQ(Check(test::MakeBank({.questions = 3, .optionCounts = {2, 3, 5}})), std::nullopt);
}

TEST(BankLimits, RunNeedsThreeQuestionsCountingTheCheckQuestion) {
    EXPECT_EQ(Check(test::MakeBank({.questions = 2})), std::nullopt) << "2 + the check question";
    const auto refused = Check(test::MakeBank({.questions = 2, .checkFlag = kCheckOff}));
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->contains(QStringLiteral("поне 3"))) << refused->toStdString();
    EXPECT_TRUE(Check(test::MakeBank({.questions = 0})));
}

TEST(BankLimits, OptionCountsOutsideTwoToFiveNameTheQuestion) {
    for (const int k : {0, 1, 6}) {
        const auto refused = Check(test::MakeBank({.questions = 4, .optionCounts = {4, 4, k}}));
        ASSERT_TRUE(refused) << "k = " << k;
        EXPECT_TRUE(refused->startsWith(QStringLiteral("Въпрос 3: има %1 отговора").arg(k)))
            << refused->toStdString();
    }
}

TEST(BankLimits, CapacityIs29QuestionsOr28WithTheCheckQuestion) {
    EXPECT_EQ(Check(test::MakeBank({.questions = 29, .checkFlag = kCheckOff})), std::nullopt);
    EXPECT_EQ(Check(test::MakeBank({.questions = 28})), std::nullopt);
    const auto tooMany = Check(test::MakeBank({.questions = 29}));
    ASSERT_TRUE(tooMany);
    EXPECT_TRUE(tooMany->contains(QStringLiteral("Въпрос 29"))) << tooMany->toStdString();
    EXPECT_TRUE(tooMany->contains(QStringLiteral("Тото"))) << tooMany->toStdString();
    EXPECT_TRUE(Check(test::MakeBank({.questions = 30, .checkFlag = kCheckOff})));
    EXPECT_TRUE(Check(test::MakeBank({.questions = 45, .checkFlag = kCheckOff})))
        << "more questions than list slots";
}

TEST(BankLimits, SettingsMustBeSixItems) {
    BankContent content = test::MakeBank({.questions = 5});
    content.settings.removeLast();
    const auto refused = Check(content);
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->contains(QStringLiteral("6"))) << refused->toStdString();
}

TEST(BankLimits, StartOnABrokenBankThrowsBeforeTouchingAnything) {
    QuestionBank bank;
    bank.Load(test::MakeBank({.questions = 4, .optionCounts = {4, 1}}));
    ScriptedRandom random; // empty: a start that drew anything would fail differently
    VORN_Prazno form(bank, random);
    EXPECT_THROW(form.Form_Load(), BankLimitError);
    EXPECT_EQ(form.run().questionCount(), 0) << "no run was started";
}
