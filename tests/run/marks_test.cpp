// Marks on the 2-6 scale, worked by hand: 2 + 4 × score / total rounded half
// up to hundredths, the regulations' bands at their edges, and a teacher's
// own table of lowest percentages.

#include "run/marks.h"

#include <gtest/gtest.h>

using namespace vorn;

TEST(Marks, DefaultScaleRoundsHalfUpAndNamesTheBand) {
    const struct {
        int score, total;
        const char* mark; // as the report prints it
        const char* word;
    } cases[] = {
        {0, 21, "2,00", "Слаб"},       {5, 21, "2,95", "Слаб"},    // 2.952...
        {1, 4, "3,00", "Среден"},      {11, 30, "3,47", "Среден"}, // 3.466...
        {3, 8, "3,50", "Добър"},       {13, 21, "4,48", "Добър"},  // 4.476...
        {5, 8, "4,50", "Много добър"}, {7, 8, "5,50", "Отличен"},
        {1, 800, "2,01", "Слаб"}, // 2.005: half up
        {21, 21, "6,00", "Отличен"},
    };
    for (const auto& c : cases) {
        const Mark mark = MarkOf(c.score, c.total, {});
        EXPECT_EQ(MarkText(mark, u','), c.mark) << c.score << "/" << c.total;
        EXPECT_EQ(mark.word, c.word) << c.score << "/" << c.total;
    }
}

TEST(Marks, ATeachersTableGivesWholeMarksFromItsLowestPercentages) {
    const auto scale = ParseMarkScale("50,62.5,75,87.5");
    ASSERT_TRUE(scale);
    const struct {
        int score, total, whole;
    } cases[] = {{7, 15, 2}, {1, 2, 3}, {5, 8, 4}, {14, 19, 4}, {3, 4, 5}, {7, 8, 6}, {8, 8, 6}};
    for (const auto& c : cases) {
        const Mark mark = MarkOf(c.score, c.total, *scale);
        EXPECT_EQ(mark.whole, c.whole) << c.score << "/" << c.total;
        EXPECT_EQ(mark.hundredths, c.whole * 100);
        EXPECT_EQ(mark.word, MarkWord(c.whole));
    }
    for (const char* wrong : {"50,62,75", "50,62,62,88", "50,62,75,101", "-1,62,75,88",
                              "50,62,75,88.001", "a,b,c,d", "50;62;75;88"})
        EXPECT_FALSE(ParseMarkScale(wrong)) << wrong;
}
