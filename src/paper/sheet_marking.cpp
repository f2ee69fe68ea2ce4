#include "sheet_marking.h"

#include <algorithm>
#include <functional>

namespace vorn {

namespace {

int CountOf(const RowReading& row, BubbleState state) {
    return static_cast<int>(
        std::count_if(row.bubbles.begin(), row.bubbles.end(),
                      [state](const BubbleReading& b) { return b.state == state; }));
}

std::optional<int> FirstOf(const RowReading& row, BubbleState state) {
    for (std::size_t i = 0; i < row.bubbles.size(); ++i)
        if (row.bubbles[i].state == state) return static_cast<int>(i);
    return std::nullopt;
}

bool RowsFitTheVariant(const SheetReading& reading, const std::vector<int>& counts) {
    if (reading.rows.size() != counts.size()) return false;
    for (std::size_t p = 0; p < counts.size(); ++p)
        if (static_cast<int>(reading.rows[p].bubbles.size()) != counts[p]) return false;
    return true;
}

} // namespace

bool SheetMarking::complete() const {
    return !sheetProblem && std::none_of(rows.begin(), rows.end(), std::mem_fn(&RowMark::open)) &&
           !(number && number->open());
}

RowMark MarkRow(const RowReading& row) {
    if (CountOf(row, BubbleState::Doubtful) > 0)
        return {std::nullopt, QStringLiteral("неясно отбелязване")};
    const int marked = CountOf(row, BubbleState::Marked);
    if (marked > 1) return {std::nullopt, QStringLiteral("две отбелязани")};
    return {FirstOf(row, BubbleState::Marked), std::nullopt};
}

NumberMark MarkClassNumber(const std::vector<RowReading>& columns) {
    if (columns.size() != 2) return {std::nullopt, QStringLiteral("номерът в класа не е прочетен")};
    const RowMark tens = MarkRow(columns[0]);
    const RowMark units = MarkRow(columns[1]);
    if (tens.open() || units.open())
        return {std::nullopt, QStringLiteral("номерът в класа е неясен")};
    if (!units.slot) return {std::nullopt, QStringLiteral("номерът в класа не е отбелязан")};
    const int number = tens.slot.value_or(0) * 10 + *units.slot;
    if (number == 0) return {std::nullopt, QStringLiteral("номерът в класа е 0")};
    return {number, std::nullopt};
}

const Attempt& VariantRuns::of(std::uint32_t seed) {
    auto found = runs_.find(seed);
    if (found == runs_.end()) found = runs_.emplace(seed, VariantRun(bank_, seed)).first;
    return found->second;
}

std::vector<int> VariantRuns::optionCounts(std::uint32_t seed) {
    const Attempt& run = of(seed);
    std::vector<int> counts;
    for (int p = 0; p < run.questionCount(); ++p)
        counts.push_back(run.optionCount(run.questionAt(p)));
    return counts;
}

SheetMarking MarkSheet(const SheetReading& reading, const QString& bankSha256, VariantRuns& runs) {
    SheetMarking marking;
    if (!reading.code) {
        marking.sheetProblem = reading.codeProblem.isEmpty()
                                   ? QStringLiteral("кодът на листа не се чете")
                                   : reading.codeProblem;
        return marking;
    }
    const SheetCode& code = *reading.code;
    if (code.bankPrefix != BankPrefix(bankSha256)) {
        marking.sheetProblem = QStringLiteral("листът е от друг тест");
        return marking;
    }
    if (code.variant < 1 || code.variant > kMaxVariants ||
        !RowsFitTheVariant(reading, runs.optionCounts(code.seed))) {
        marking.sheetProblem =
            QStringLiteral("редовете на листа не са като във вариант %1").arg(code.variant);
        return marking;
    }
    for (const RowReading& row : reading.rows)
        marking.rows.push_back(MarkRow(row));
    if (!code.student) marking.number = MarkClassNumber(reading.numberColumns);
    return marking;
}

} // namespace vorn
