// Item analysis against figures computed apart from the program, the way
// Moodle computes them: tests/report/moodle_statistics.py prints them for
// the same answers (run it after changing a case).

#include "report/item_statistics.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

using Figure = std::optional<double>;
constexpr Figure kNone = std::nullopt;

// As the script writes its cases: per question the key's letter; per student
// the letter chosen, '-' unanswered, '.' not drawn. Option i is letter 'A' + i.
std::vector<ScoredAttempt> Attempts(const std::string& key, const std::vector<std::string>& rows) {
    std::vector<ScoredAttempt> attempts;
    for (const std::string& row : rows) {
        ScoredAttempt attempt;
        for (std::size_t q = 0; q < row.size(); ++q)
            if (row[q] != '.')
                attempt.push_back({.question = static_cast<int>(q),
                                   .option = row[q] == '-' ? kUnanswered : row[q] - 'A',
                                   .right = row[q] == key[q]});
        attempts.push_back(attempt);
    }
    return attempts;
}

void ExpectFigure(Figure actual, Figure expected, const char* what) {
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 0.0051) << what;
    }
}

struct Item {
    int students;
    Figure facility, facilityError, sd, discrimination, efficiency;
    std::vector<std::pair<Figure, Figure>> options; // share and correlation, option A, B, ...
};

struct Case {
    const char* name;
    std::string key;
    std::vector<std::string> students;
    // mean, median, sd, skewness, kurtosis, consistency, error ratio, standard
    // error, the mean's standard error
    std::array<Figure, 9> test;
    std::vector<Item> items;
};

} // namespace

TEST(ItemStatistics, AgreeWithMoodlesDefinitionsComputedApart) {
    const Case cases[] = {
        {"six students",
         "ABCA",
         {"ABCA", "ABCB", "ABDA", "BBCC", "A-DB", "CBDD"},
         {58.33, 62.50, 30.28, 0.08, -1.55, 42.42, 75.88, 22.97, 12.36},
         {{6, 66.67, 21.08, 51.64, 12.50, 14.29, {{66.67, 12.50}, {16.67, 15.81}, {16.67, -31.62}}},
          {6, 83.33, 16.67, 40.82, 23.35, 33.33, {{0, kNone}, {83.33, 23.35}}},
          {6,
           50.00,
           22.36,
           54.77,
           18.57,
           20.00,
           {{0, kNone}, {0, kNone}, {50.00, 18.57}, {50.00, -18.57}}},
          {6,
           33.33,
           21.08,
           51.64,
           43.30,
           50.00,
           {{33.33, 43.30}, {33.33, 0}, {16.67, 0}, {16.67, -54.77}}}}},
        // Every total the same: the test's variance is 0, and so is question 1's.
        {"equal totals",
         "AAAA",
         {"AAAB", "AABA", "ABAA", "AAAB"},
         {75.00, 75.00, 0.00, kNone, kNone, kNone, kNone, kNone, 0.00},
         {{4, 100.00, 0.00, 0.00, kNone, kNone, {{100.00, kNone}}},
          {4, 75.00, 25.00, 50.00, -100.00, -300.00, {{75.00, -100.00}, {25.00, 100.00}}},
          {4, 75.00, 25.00, 50.00, -100.00, -300.00, {{75.00, -100.00}, {25.00, 100.00}}},
          {4, 50.00, 28.87, 57.74, -100.00, -100.00, {{50.00, -100.00}, {50.00, 100.00}}}}},
        {"drawn from a pool",
         "AAAAA",
         {"AAB..", "A.AB.", ".AAA.", "B..AA", "..BAA", "AB..A", ".BBB.", "A.A.B"},
         {62.50, 66.67, 27.82, -1.69, 4.97, -15.38, 107.42, 29.88, 9.83},
         {{5, 80.00, 20.00, 44.72, -100.00, -400.00, {{80.00, -100.00}, {20.00, 100.00}}},
          {4, 50.00, 28.87, 57.74, 30.15, 33.33, {{50.00, 30.15}, {50.00, -30.15}}},
          {6, 50.00, 22.36, 54.77, 0.00, 0.00, {{50.00, 0.00}, {50.00, 0.00}}},
          {5, 60.00, 24.49, 54.77, 21.82, 28.57, {{60.00, 21.82}, {40.00, -21.82}}},
          {4, 75.00, 25.00, 50.00, -100.00, -300.00, {{75.00, -100.00}, {25.00, 100.00}}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> optionCounts;
        for (const Item& item : c.items)
            optionCounts.push_back(static_cast<int>(item.options.size()));
        const ItemAnalysis a = AnalyseItems(Attempts(c.key, c.students), optionCounts);
        const TestStatistics& t = a.test;
        EXPECT_EQ(t.students, static_cast<int>(c.students.size()));
        const Figure test[] = {t.mean,       t.median,        t.sd,
                               t.skewness,   t.kurtosis,      t.consistency,
                               t.errorRatio, t.standardError, t.meanError};
        for (std::size_t i = 0; i < c.test.size(); ++i)
            ExpectFigure(test[i], c.test[i], ("test figure " + std::to_string(i)).c_str());
        for (std::size_t q = 0; q < c.items.size(); ++q) {
            SCOPED_TRACE("question " + std::to_string(q + 1));
            const Item& e = c.items[q];
            const ItemStatistics& s = a.items[q];
            EXPECT_EQ(s.students, e.students);
            ExpectFigure(s.facility, e.facility, "facility");
            ExpectFigure(s.facilityError, e.facilityError, "facility's standard error");
            ExpectFigure(s.sd, e.sd, "sd");
            ExpectFigure(s.discrimination, e.discrimination, "discrimination");
            ExpectFigure(s.efficiency, e.efficiency, "efficiency");
            for (std::size_t o = 0; o < e.options.size(); ++o) {
                ExpectFigure(a.options[q][o].share, e.options[o].first, "share");
                ExpectFigure(a.options[q][o].correlation, e.options[o].second, "correlation");
            }
        }
    }
}
