#pragma once
// Item analysis as Moodle's quiz statistics report computes it, over one
// finished attempt per student, each question scored 1 or 0 (Moodle's
// question/classes/statistics/questions/calculator.php and
// mod/quiz/report/statistics/classes/calculator.php): sample variances and
// covariances (n - 1), the discrimination index as the correlation of a
// question's score with the rest of the test, the discriminative efficiency
// as that covariance over the largest the two score lists allow, and the
// test's k-statistics and Cronbach's alpha. A figure Moodle leaves undefined
// (a variance of 0, too few attempts) is none.
//
// Beyond Moodle, each option of a question: how many chose it and the
// correlation of choosing it with the rest of the test (× 100, as the
// discrimination index), which a working distractor has negative.
//
// Questions drawn from a pool count over the attempts that asked them, and
// "the rest of the test" is always the attempt's score less the question's
// own (Moodle correlates a randomly drawn question with the whole score). The
// consistency coefficient adds up the variances of the positions (the first,
// second, ... question a run asked), as Moodle does for its slots.

#include <optional>
#include <vector>

namespace vorn {

inline constexpr int kUnanswered = -1;

// Below this many attempts a correlation is noise: over n attempts with no
// relation at all it still swings by about 1 / sqrt(n - 1), ±0.50 over five
// students and ±0.19 over thirty. Thirty is the usual rule of thumb of
// statistics textbooks for a sample large enough to judge by (the normal
// approximation's n >= 30); the discrimination, the efficiency and the
// options' correlations over fewer are shown as a small sample, and nothing
// is concluded from them.
inline constexpr int kSmallSample = 30;
inline bool SmallSample(int attempts) {
    return attempts < kSmallSample;
}

struct ScoredAnswer {
    int question = 0;         // an index into the bank's questions
    int option = kUnanswered; // an index into that question's options
    bool right = false;
};
// The answers of one attempt, in the order the run asked the questions.
using ScoredAttempt = std::vector<ScoredAnswer>;

struct ItemStatistics {
    int students = 0;                     // attempts that asked it
    int unanswered = 0;                   // of those, left open
    std::optional<double> facility;       // percent
    std::optional<double> facilityError;  // its standard error, sd / sqrt(n), percent
    std::optional<double> sd;             // percent
    std::optional<double> discrimination; // correlation with the rest × 100
    std::optional<double> efficiency;     // percent
};

// The share of the attempts that asked a question and left it open, percent;
// none when no attempt asked it.
std::optional<double> UnansweredPercent(const ItemStatistics& s);

struct OptionStatistics {
    int chosen = 0;
    std::optional<double> share;       // percent of the question's students
    std::optional<double> correlation; // × 100
};

struct TestStatistics {
    int students = 0;
    int positions = 0;                        // questions per attempt
    std::optional<double> mean, median, sd;   // percent of the positions
    std::optional<double> meanError;          // sd / sqrt(n), percent of the positions
    std::optional<double> skewness, kurtosis; // k-statistics
    std::optional<double> consistency;        // Cronbach's alpha × 100
    std::optional<double> errorRatio;         // percent
    std::optional<double> standardError;      // percent of the positions
};

struct ItemAnalysis {
    TestStatistics test;
    std::vector<ItemStatistics> items;                  // per question
    std::vector<std::vector<OptionStatistics>> options; // per question, per option
};

// `optionCounts` gives each question's number of options; every answer's
// question and option must be within them.
ItemAnalysis AnalyseItems(const std::vector<ScoredAttempt>& attempts,
                          const std::vector<int>& optionCounts);

} // namespace vorn
