// The sample banks in examples/: the shipped test exported to the bank format
// reads back as exactly the compiled-in bank, and the language sample says
// the same in both formats.

#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "shipped/shipped_bank.h"
#include "support/bank_printers.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

QString Example(const char* name) {
    return QStringLiteral(VORN_EXAMPLES_DIR "/") + QString::fromUtf8(name);
}

LoadedBank LoadClean(const char* name) {
    LoadedBank bank = LoadBankFile(Example(name));
    const std::vector<BankIssue> issues = AllIssues(bank);
    for (const BankIssue& issue : issues)
        ADD_FAILURE() << FormatIssue(Example(name), issue).toStdString();
    return bank;
}

} // namespace

TEST(Examples, ExportedShippedTestReadsBackAsTheCompiledInBank) {
    const BankContent shipped = ShippedBank();
    const BankContent exported = LoadClean("parallelogram.vorn.json").content;

    EXPECT_EQ(exported.settings, shipped.settings);
    EXPECT_EQ(exported.authorNote, shipped.authorNote);
    ASSERT_EQ(exported.questions.size(), shipped.questions.size());
    for (std::size_t q = 0; q < shipped.questions.size(); ++q) {
        const Question& a = exported.questions[q];
        const Question& b = shipped.questions[q];
        EXPECT_EQ(a.text, b.text) << q;
        EXPECT_EQ(a.options, b.options) << q;
        EXPECT_EQ(a.key, b.key) << q;
        EXPECT_EQ(a.explanation, b.explanation) << q;
        ASSERT_EQ(bool(a.picture), bool(b.picture)) << "picture of " << q;
        if (a.picture) {
            EXPECT_EQ(a.picture->encoded, b.picture->encoded) << "picture bytes of " << q;
        }
        // Pictures shared in one are shared in the other.
        for (std::size_t r = 0; r < q; ++r)
            EXPECT_EQ(a.picture && a.picture == exported.questions[r].picture,
                      b.picture && b.picture == shipped.questions[r].picture)
                << q << " and " << r;
    }
}

TEST(Examples, LanguageSampleIsTheSameTestInBothFormats) {
    const BankContent json = LoadClean("english-tenses.vorn.json").content;
    const BankContent gift = LoadClean("english-tenses.gift").content;
    EXPECT_EQ(json.settings, gift.settings);
    EXPECT_TRUE(json.settings.phrasePreview) << "phrases";
    ASSERT_EQ(json.questions.size(), gift.questions.size());
    std::vector<qsizetype> optionCounts;
    for (std::size_t i = 0; i < json.questions.size(); ++i) {
        const Question &a = json.questions[i], &b = gift.questions[i];
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.options, b.options);
        EXPECT_EQ(a.key, b.key);
        EXPECT_EQ(a.explanation, b.explanation);
        EXPECT_TRUE(a.text.contains(QStringLiteral("___"))) << a.text.toStdString();
        optionCounts.push_back(a.options.size());
    }
    EXPECT_EQ(optionCounts, (std::vector<qsizetype>{4, 2, 3, 5, 2, 3, 4, 5}));
}

TEST(Examples, TheCompiledInTestPassesTheBankChecker) {
    // The player does not check it at start; this is where it is checked.
    LoadedBank shipped;
    shipped.content = ShippedBank();
    for (const BankIssue& issue : AllIssues(shipped))
        ADD_FAILURE() << FormatIssue(QStringLiteral("вграденият тест"), issue).toStdString();
}

TEST(Examples, ThePoolSampleDrawsTenOfItsSixtyQuestions) {
    const BankContent pool = LoadClean("multiplication-pool.vorn.json").content;
    EXPECT_EQ(std::pair(pool.questions.size(), pool.draw),
              std::pair(std::size_t{60}, std::optional(10)));
}
