#pragma once
// How a scanner's reading of a corpus sheet compares with the truth: the
// counts the benchmark tabulates and the misses it lists.

#include "paper/sheet_reading.h"
#include "synthetic_corpus.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>

namespace vorn::test {

// The lowest and highest of some measure.
struct Span {
    double low = 1e9, high = -1e9;
    void Add(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    void Add(const Span& other) {
        low = std::min(low, other.low);
        high = std::max(high, other.high);
    }
};

struct ScanScore {
    int bubbles = 0;          // answer and class-number bubbles of the sheet
    int right = 0;            // read as the truth says
    int doubtful = 0;         // the truth says a person must look
    int doubtfulToReview = 0; // and the reading sends them to one
    int silentlyWrong = 0;    // read Marked or Empty where the truth says otherwise
    bool codeUnread = false;  // no code: the sheet goes to review whole
    bool codeWrong = false;   // another sheet's code: the worst outcome
    bool numberWrong = false; // a blank sheet's class number read, and not the student's
    std::array<int, std::size(kAllMarkKinds)> missesByKind{};
    // What the scanner measured per kind of mark: darkness inside, and
    // darkness on the ring around.
    std::array<Span, std::size(kAllMarkKinds)> darknessByKind{}, outsideByKind{};
    QStringList misses; // "row 3 B: cross read as empty"
};

// The score of one reading. A sheet whose code was not read counts none of
// its bubbles right (they all go to review).
ScanScore ScoreReading(const SheetReading& reading, const CorpusSheet& sheet,
                       const SyntheticScan& scan);

// What the scanner needs to know of a corpus sheet's code: its rows, or none
// for a code that is not the sheet's bank.
std::optional<std::vector<int>> CorpusRows(const CorpusSheet& sheet, const SheetCode& code);

const char* StateName(BubbleState state);

} // namespace vorn::test
