#pragma once
// What a read sheet says, row by row: an answer, no answer, or a row a
// person must look at. A sheet is never recorded on a guess: a doubtful
// bubble, two marks in a row, a code that cannot be read or names another
// test, and a blank sheet's number that is not clear all go to review.

#include "paper_requests.h"
#include "paper_variant.h"
#include "sheet_reading.h"

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace vorn {

// A row's answer, or why a person decides it.
struct RowMark {
    std::optional<int> slot;        // the bubble marked (0 = A); none: no answer
    std::optional<QString> problem; // set: open until a person decides
    bool open() const { return problem.has_value(); }
    bool operator==(const RowMark&) const = default;
};

// The class number from a blank sheet's bubbles.
struct NumberMark {
    std::optional<int> number; // 1 to 99
    std::optional<QString> problem;
    bool open() const { return problem.has_value(); }
    bool operator==(const NumberMark&) const = default;
};

struct SheetMarking {
    // Set: the whole sheet goes to a person and nothing of it is recorded.
    std::optional<QString> sheetProblem;
    std::vector<RowMark> rows;        // by position in the variant
    std::optional<NumberMark> number; // a blank sheet's only
    bool complete() const;            // nothing open
};

// One marked bubble (cancelled ones aside) is the answer; none, no answer;
// two or more, or any doubtful one, a person's decision.
RowMark MarkRow(const RowReading& row);

// Tens and units; tens left empty read as 0. Anything not clear, or no
// number at all, a person's decision.
NumberMark MarkClassNumber(const std::vector<RowReading>& columns);

// The runs of a bank's variants by seed, each drawn once.
class VariantRuns {
public:
    explicit VariantRuns(const BankContent& bank) : bank_(bank) {}
    const Attempt& of(std::uint32_t seed);
    // Per position, the options of its question.
    std::vector<int> optionCounts(std::uint32_t seed);

private:
    const BankContent& bank_;
    std::map<std::uint32_t, Attempt> runs_;
};

// The sheet marked against the bank being marked (fingerprint `bankSha256`).
SheetMarking MarkSheet(const SheetReading& reading, const QString& bankSha256, VariantRuns& runs);

} // namespace vorn
