#pragma once
// The figures of a report, per bank (by its fingerprint): attempts, the mean,
// median and distribution of the percentage, and per bank question the share
// right, the share unanswered and the wrong option chosen most often. Shares
// and averages are kept in tenths of a percent, rounded half up, so that
// every figure prints exactly. The "Тото" copy of question 1 is left out.

#include "result_record.h"

#include <array>
#include <optional>
#include <vector>

namespace vorn {

inline constexpr int kPercentBands = 11; // 0–9, 10–19, ..., 90–99, 100

struct QuestionFigures {
    int number = 0;
    QString key;
    int right = 0;                      // attempts answered right
    int unanswered = 0;                 // attempts that left it open
    std::optional<QString> commonWrong; // the first of the most chosen wrong options
    int commonWrongCount = 0;
};

struct BankFigures {
    QString title;
    QString sha256;
    int attempts = 0;
    int meanTenths = 0;   // of the percentage
    int medianTenths = 0; // of the percentage
    std::array<int, kPercentBands> bands{};
    std::vector<QuestionFigures> questions; // the hardest (fewest right) first
};

// Banks in the order their first record came.
std::vector<BankFigures> FiguresByBank(const std::vector<ResultRecord>& records);

// count of attempts as tenths of a percent: 1 of 3 is 333.
int ShareTenths(int count, int attempts);
// Tenths as text with one decimal after `point`: 333 is "33,3".
QString TenthsText(int tenths, QChar point);
// The name of a band of the distribution: "0–9", "10–19", ..., "100".
QString BandName(int band);

} // namespace vorn
