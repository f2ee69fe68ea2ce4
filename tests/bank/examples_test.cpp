// The sample banks in examples/: the shipped test exported to the bank format
// reads back as exactly the compiled-in bank, and the language sample says
// the same in both formats.

#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "bank/question_bank.h"
#include "shipped/shipped_bank.h"

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
    QuestionBank shipped, exported;
    shipped.Load(ShippedBank());
    exported.Load(LoadClean("parallelogram.vorn.json").content);

    EXPECT_EQ(exported.List2.items(), shipped.List2.items());
    EXPECT_EQ(exported.Text1(0).Text, shipped.Text1(0).Text);
    for (int q = 0; q <= QuestionBank::kQuestionSlots; ++q)
        EXPECT_EQ(exported.List1(q).items(), shipped.List1(q).items()) << "List1(" << q << ")";
    for (int k = kMinOptions; k <= kMaxOptions; ++k)
        EXPECT_EQ(exported.Poredica(k).items(), shipped.Poredica(k).items());
    for (int q = 0; q <= QuestionBank::kPictureSlots; ++q) {
        EXPECT_EQ(exported.Obqsnenie(q).items(), shipped.Obqsnenie(q).items()) << q;
        const Picture& a = exported.Picture1(q).Picture;
        const Picture& b = shipped.Picture1(q).Picture;
        ASSERT_EQ(bool(a), bool(b)) << "Picture1(" << q << ")";
        if (a) {
            EXPECT_EQ(a->encoded, b->encoded) << "Picture1(" << q << ") bytes";
        }
        // Pictures shared in one are shared in the other.
        for (int r = 1; r < q; ++r)
            EXPECT_EQ(a && a == exported.Picture1(r).Picture, b && b == shipped.Picture1(r).Picture)
                << q << " and " << r;
    }
}

TEST(Examples, LanguageSampleIsTheSameTestInBothFormats) {
    const BankContent json = LoadClean("english-tenses.vorn.json").content;
    const BankContent gift = LoadClean("english-tenses.gift").content;
    EXPECT_EQ(json.settings, gift.settings);
    EXPECT_EQ(json.settings[1], QStringLiteral("ЧЕО - фраза от 2 части - 1")) << "phrases";
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
