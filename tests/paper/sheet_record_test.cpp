// A marked sheet's record: the variant's run answered as the sheet says and
// graded, with the student and the paper it came from. A fault records the
// answers under other questions, loses a row, or names no one.

#include "bank/bank_fingerprint.h"
#include "paper/sheet_marking.h"
#include "paper/sheet_record.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

TEST(SheetRecord, TheSheetsAnswersAreGradedAsTheWindowGradesThem) {
    // Question q's key is its option "q-1", wherever the variant puts it.
    const BankContent bank = test::MakeBank({.questions = 3, .optionCounts = {2, 3, 4}});
    VariantRuns runs(bank);
    const Attempt& run = runs.of(7);
    const RunFacts facts{.time = QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC),
                         .user = "u",
                         .host = "h",
                         .program = "1.0",
                         .bankSha256 = BankSha256(bank),
                         .seed = 7};
    const Student ana{"Ана", "5а", "1"};
    const PaperOrigin origin{1, "0badcafe-1", "s.png#1"};

    std::vector<std::optional<int>> keys, none(4), firstOnly(4);
    for (int p = 0; p < run.questionCount(); ++p)
        keys.push_back(run.keySlot(run.questionAt(p)));
    firstOnly[0] = keys[0];
    const struct {
        const char* name;
        std::vector<std::optional<int>> answers;
        int score;
        int answered;
    } cases[] = {
        {"every key", keys, 4, 4},
        {"none", none, 0, 0},
        // Position 0 is question 1 or its check copy's original: either way
        // one of the two copies is answered right and the other left blank.
        {"the first row only", firstOnly, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ResultRecord record = RecordOfSheet(run, c.answers, facts, ana, origin);
        EXPECT_EQ(record.grade.total, 4);
        EXPECT_EQ(record.grade.score, c.score);
        EXPECT_EQ(record.grade.percent, c.score * 100 / 4);
        int answered = record.check && record.check->chosen ? 1 : 0;
        for (const AnswerRecord& answer : record.questions) {
            answered += answer.chosen ? 1 : 0;
            if (answer.chosen) {
                EXPECT_EQ(*answer.chosen, answer.key) << "only keys were marked";
            }
        }
        EXPECT_EQ(answered, c.answered);
        EXPECT_EQ(record.student, ana);
        EXPECT_EQ(record.paper, origin);
        EXPECT_EQ(record.run.seed, 7u);
    }
}

TEST(SheetRecord, ABlankSheetNamesTheNumberAndThePrint) {
    SheetCode code{QString(16, u'a'), 2, 5, "3fa9c2e1-07", std::nullopt};
    EXPECT_EQ(StudentOfSheet(code, 12), (Student{"№ 12, печат 3fa9c2e1", "", "12"}));
    code.student = Student{"Иван Петров", "7б", "3"};
    EXPECT_EQ(StudentOfSheet(code, 12), (Student{"Иван Петров", "7б", "3"}))
        << "a printed name wins over bubbles";
    EXPECT_EQ(ScanText({"клас/7б.pdf", 3}), "клас/7б.pdf#3");
}
