// A variant printed, filled in from a known answer list as a student would,
// scanned askew and upside down, and read back: the letters read must be the
// list's, and the variant's seed in the sheet's code must bring back the run
// whose options those letters name; its record is the one the window writes
// for the same answers.

#include "bank/bank_fingerprint.h"
#include "paper/open_sheet.h"
#include "paper/paper_variant.h"
#include "paper/sheet_record.h"
#include "platform/random_source.h"
#include "print/sheet_painter.h"
#include "record/run_record.h"
#include "scan/sheet_scanner.h"
#include "support/synthetic_scan.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

namespace vorn::test {
namespace {

constexpr double kRoundTripDpi = 200;

std::vector<int> OptionCounts(const Attempt& run) {
    std::vector<int> counts;
    for (int position = 0; position < run.questionCount(); ++position)
        counts.push_back(run.optionCount(run.questionAt(position)));
    return counts;
}

// The one marked letter of each row; -1 for a row with none or several.
std::vector<int> ChosenLetters(const SheetReading& reading) {
    std::vector<int> chosen;
    for (const RowReading& row : reading.rows) {
        int letter = -1, marked = 0;
        for (std::size_t b = 0; b < row.bubbles.size(); ++b)
            if (row.bubbles[b].state == BubbleState::Marked) {
                letter = static_cast<int>(b);
                ++marked;
            }
        chosen.push_back(marked == 1 ? letter : -1);
    }
    return chosen;
}

TEST(PaperRoundTrip, TheLettersReadBackAreTheAnswerListsAndNameItsOptions) {
    // Twelve questions and the check copy, with two to five options.
    const BankContent bank =
        MakeBank({.questions = 12, .optionCounts = {2, 3, 4, 5, 2, 3, 4, 5, 2, 3, 4, 5}});
    const PaperVariant variant = DrawVariants(bank, 4242, 2)[1];
    const std::vector<int> counts = OptionCounts(variant.run);
    ASSERT_EQ(counts.size(), 13u);
    // The answer list: letter p mod k at position p of k options.
    std::vector<int> answers;
    StudentMarks marks;
    for (std::size_t p = 0; p < counts.size(); ++p) {
        answers.push_back(static_cast<int>(p) % counts[p]);
        marks.rows.emplace_back(static_cast<std::size_t>(counts[p]), MarkKind::None);
        marks.rows.back()[static_cast<std::size_t>(answers.back())] = MarkKind::Filled;
    }
    const SheetCode code{
        BankPrefix(BankSha256(bank)), variant.number, variant.seed, QStringLiteral("00c0ffee-01"),
        Student{QStringLiteral("Иван Петров"), QStringLiteral("7а"), QStringLiteral("3")}};
    const QImage printed =
        RenderSheet({QStringLiteral("Тест"), variant.number, code, counts}, kRoundTripDpi);
    const SyntheticScan scan = MakeSyntheticScan(printed, kRoundTripDpi, marks, {2, -2.5, 70}, 99);

    std::optional<Attempt> redrawn;
    const SheetReading reading =
        ReadSheet({{QStringLiteral("scan.jpg"), 1}, scan.image}, [&](const SheetCode& read) {
            redrawn = VariantRun(bank, read.seed);
            return std::optional(OptionCounts(*redrawn));
        });
    ASSERT_TRUE(reading.code.has_value()) << qPrintable(reading.codeProblem);
    EXPECT_EQ(*reading.code, code);
    EXPECT_EQ(ChosenLetters(reading), answers);
    ASSERT_TRUE(redrawn.has_value());
    for (int p = 0; p < variant.run.questionCount(); ++p) {
        const int slot = answers[static_cast<std::size_t>(p)];
        EXPECT_EQ(redrawn->optionText(redrawn->questionAt(p), slot),
                  variant.run.optionText(variant.run.questionAt(p), slot))
            << "position " << p;
    }

    // The window's run of that seed, answered at each position in turn.
    ClockRandom random(variant.seed);
    random.Randomize();
    Attempt window = Attempt::Start(bank, random);
    for (const int answer : answers) {
        window.choose(answer);
        window.moveForward();
    }
    window.gradeNow();
    const RunFacts facts{.time = QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC),
                         .bankSha256 = BankSha256(bank),
                         .seed = variant.seed};
    const PaperOrigin origin{variant.number, code.sheetId, QStringLiteral("scan.jpg#1")};
    ResultRecord expected = RecordOfRun(window, facts);
    expected.student = code.student;
    expected.paper = origin;

    VariantRuns runs(bank);
    const SheetMarking marking = MarkSheet(reading, BankSha256(bank), runs);
    ASSERT_FALSE(marking.sheetProblem) << qPrintable(*marking.sheetProblem);
    const OpenSheet sheet{code, {QStringLiteral("scan.jpg"), 1}, marking.rows, marking.number};
    ASSERT_TRUE(sheet.complete());
    const ResultRecord scanned =
        RecordOfSheet(runs.of(code.seed), sheet.answers(), facts, *code.student, origin);
    EXPECT_EQ(RecordLine(scanned), RecordLine(expected));
}

} // namespace
} // namespace vorn::test
