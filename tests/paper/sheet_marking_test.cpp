// Marking a read sheet: what each row's bubbles make of it, the class number
// of a blank sheet, and the sheets that go to a person whole. A fault here
// records a guess as a student's answer, or a sheet under the wrong test.

#include "bank/bank_fingerprint.h"
#include "paper/sheet_marking.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

constexpr BubbleState E = BubbleState::Empty, M = BubbleState::Marked, C = BubbleState::Cancelled,
                      D = BubbleState::Doubtful;

RowReading RowOf(std::initializer_list<BubbleState> states) {
    RowReading row;
    for (BubbleState state : states)
        row.bubbles.push_back({state, 0, 0});
    return row;
}

RowReading Digits(int marked) {
    RowReading row;
    for (int digit = 0; digit < 10; ++digit)
        row.bubbles.push_back({digit == marked ? M : E, 0, 0});
    return row;
}

} // namespace

TEST(SheetMarking, ARowIsItsOneMarkNoMarkOrAPersonsDecision) {
    const struct {
        const char* name;
        RowReading row;
        std::optional<int> slot;
        const char* problem; // nullptr: decided
    } cases[] = {
        {"one marked", RowOf({E, E, M, E}), 2, nullptr},
        {"none", RowOf({E, E, E}), std::nullopt, nullptr},
        {"a correction and a new mark", RowOf({C, E, E, M, E}), 3, nullptr},
        {"a correction alone", RowOf({E, C}), std::nullopt, nullptr},
        {"two marked", RowOf({M, E, M}), std::nullopt, "две отбелязани"},
        {"two marked and a correction", RowOf({M, C, M}), std::nullopt, "две отбелязани"},
        {"a doubtful one", RowOf({E, D, E}), std::nullopt, "неясно отбелязване"},
        {"a doubtful one beside a mark", RowOf({M, D}), std::nullopt, "неясно отбелязване"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RowMark mark = MarkRow(c.row);
        EXPECT_EQ(mark.slot, c.slot);
        EXPECT_EQ(mark.problem.value_or("").toStdString(), c.problem ? c.problem : "");
    }
}

TEST(SheetMarking, TheClassNumberIsTensAndUnitsWhenBothAreClear) {
    RowReading twoUnits = Digits(3);
    twoUnits.bubbles[7].state = M;
    RowReading doubtful = Digits(1);
    doubtful.bubbles[4].state = D;
    const struct {
        const char* name;
        std::vector<RowReading> columns;
        std::optional<int> number;
        const char* problem;
    } cases[] = {
        {"12", {Digits(1), Digits(2)}, 12, nullptr},
        {"tens 0", {Digits(0), Digits(7)}, 7, nullptr},
        {"tens left empty", {Digits(-1), Digits(7)}, 7, nullptr},
        {"units left empty",
         {Digits(2), Digits(-1)},
         std::nullopt,
         "номерът в класа не е отбелязан"},
        {"nothing marked",
         {Digits(-1), Digits(-1)},
         std::nullopt,
         "номерът в класа не е отбелязан"},
        {"00", {Digits(0), Digits(0)}, std::nullopt, "номерът в класа е 0"},
        {"two units", {Digits(1), twoUnits}, std::nullopt, "номерът в класа е неясен"},
        {"a doubtful tens digit", {doubtful, Digits(5)}, std::nullopt, "номерът в класа е неясен"},
        {"not read", {}, std::nullopt, "номерът в класа не е прочетен"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const NumberMark mark = MarkClassNumber(c.columns);
        EXPECT_EQ(mark.number, c.number);
        EXPECT_EQ(mark.problem.value_or("").toStdString(), c.problem ? c.problem : "");
    }
}

TEST(SheetMarking, ASheetOfAnotherTestNoCodeOrOtherRowsGoesToAPersonWhole) {
    const BankContent bank = test::MakeBank({.questions = 3, .optionCounts = {2, 3, 4}});
    const QString sha = BankSha256(bank);
    VariantRuns runs(bank);
    const std::uint32_t seed = 99;
    const Attempt& run = runs.of(seed);
    // The rows as the variant has them: the check copy makes 4.
    SheetReading fitting;
    fitting.code = SheetCode{BankPrefix(sha), 1, seed, "0badcafe-1", Student{"Ана", "5а", "1"}};
    for (int p = 0; p < run.questionCount(); ++p) {
        std::vector<BubbleState> states(
            static_cast<std::size_t>(run.optionCount(run.questionAt(p))), E);
        states[0] = M;
        RowReading row;
        for (BubbleState s : states)
            row.bubbles.push_back({s, 0, 0});
        fitting.rows.push_back(row);
    }
    ASSERT_EQ(fitting.rows.size(), 4u);

    SheetReading noCode = fitting;
    noCode.code.reset();
    noCode.codeProblem = "няма QR код";
    SheetReading otherBank = fitting;
    otherBank.code->bankPrefix = QString(16, u'0');
    SheetReading rowMissing = fitting;
    rowMissing.rows.pop_back();
    SheetReading bubbleMore = fitting;
    bubbleMore.rows[0].bubbles.push_back({E, 0, 0});
    SheetReading blank = fitting;
    blank.code->student.reset();
    blank.numberColumns = {Digits(2), Digits(4)};

    const struct {
        const char* name;
        const SheetReading& reading;
        const char* problem;
        std::optional<int> number;
    } cases[] = {
        {"as printed", fitting, nullptr, {}},
        {"no code", noCode, "няма QR код", {}},
        {"another bank", otherBank, "листът е от друг тест", {}},
        {"a row missing", rowMissing, "редовете на листа не са като във вариант 1", {}},
        {"a bubble more", bubbleMore, "редовете на листа не са като във вариант 1", {}},
        {"blank: its number", blank, nullptr, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SheetMarking marking = MarkSheet(c.reading, sha, runs);
        EXPECT_EQ(marking.sheetProblem.value_or("").toStdString(), c.problem ? c.problem : "");
        EXPECT_EQ(marking.complete(), !c.problem);
        if (!c.problem) {
            ASSERT_EQ(marking.rows.size(), 4u);
            for (const RowMark& row : marking.rows)
                EXPECT_EQ(row.slot, 0);
            EXPECT_EQ(marking.number ? marking.number->number : std::nullopt, c.number);
        } else {
            EXPECT_TRUE(marking.rows.empty()) << "nothing of it may be recorded";
        }
    }
}
