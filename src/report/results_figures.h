#pragma once
// The figures of a report, per bank (by its fingerprint), computed once and
// written by every format: over all records the attempts and the
// percentage's mean, median and distribution; per student the first attempt
// and the last with their marks; over each student's first finished attempt
// the test's and every question's statistics (item_statistics.h), the
// options' shares and the questions' flags.

#include "item_statistics.h"
#include "run/marks.h"
#include "record/result_record.h"

#include <array>
#include <optional>
#include <vector>

namespace vorn {

inline constexpr int kPercentBands = 11; // 0–9, 10–19, ..., 90–99, 100

// One attempt as a student's row tells it.
struct AttemptFigures {
    GradeResult grade; // as the window showed it, the check question included
    Mark mark;
    std::optional<ResultRecord::Time> time;
    bool abandoned = false;
    std::optional<bool> checkAgrees; // both answers to the check question the same
};

struct StudentFigures {
    Student who; // from the record's "student", else the login as the name
    int attempts = 0;
    AttemptFigures first;
    std::optional<AttemptFigures> last; // when there is more than one attempt
};

struct OptionFigures {
    QString text;
    bool key = false;
    OptionStatistics statistics;
};

// What a teacher should look at in a question.
enum class FlagKind {
    NegativeDiscrimination, // check the key
    WrongAboveKey,          // a wrong option chosen more often than the key
    NobodyChose,            // a wrong option nobody chose (known only with the bank)
    EveryoneRight,
    NobodyRight,
};
struct QuestionFlag {
    FlagKind kind;
    QString option; // the option it is about, for WrongAboveKey and NobodyChose
};

struct QuestionFigures {
    int number = 0; // in the bank (in the pool, when runs draw)
    QString id;     // its stable id, or its number
    QString text;   // from the bank given with the report; empty without it
    QString key;
    ItemStatistics statistics;
    std::vector<OptionFigures> options; // the key first, then in the order first seen
    std::vector<QuestionFlag> flags;
};

struct BankFigures {
    QString title;
    QString sha256;
    int attempts = 0;     // records, abandoned ones included
    int meanTenths = 0;   // of the percentage, over all attempts
    int medianTenths = 0; // of the percentage, over all attempts
    std::array<int, kPercentBands> bands{};
    std::vector<StudentFigures> students;   // by class, number and name
    TestStatistics test;                    // over the first finished attempts
    std::vector<QuestionFigures> questions; // the hardest (lowest facility) first
};

// count of attempts as tenths of a percent: 1 of 3 is 333.
int ShareTenths(int count, int attempts);
// Tenths as text with one decimal after `point`: 333 is "33,3".
QString TenthsText(int tenths, QChar point);
// A figure with two decimals after `point`; "" for none.
QString FigureText(std::optional<double> figure, QChar point);
// The name of a band of the distribution: "0–9", "10–19", ..., "100".
QString BandName(int band);

} // namespace vorn
