// The draw of the question order's step: the trim of the candidate primes, the
// non-uniform draw in single precision, and the rejection of divisors.

#include "support/form_probe.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

struct StepDraw {
    QuestionBank bank;
    ScriptedRandom random;
    VORN_Prazno form{bank, random};

    // Draws a step for a run of n questions from the given random values.
    int draw(int n, std::initializer_list<float> values) {
        for (const float v : values)
            random.push(v);
        form.QuestionCount = n;
        FormProbe::DrawOrderStep(form);
        return form.OrderStep;
    }
    QStringList candidates() const { return form.List2(5).items(); }
};

const QStringList kBelow20{"2", "3", "5", "7", "11", "13", "17", "19"};

} // namespace

TEST(OrderStep, TrimKeepsExactlyThePrimesBelowTheQuestionCount) {
    const struct {
        int n;
        QStringList kept;
    } cases[] = {
        {20, kBelow20},
        {21, kBelow20},
        {31, {"2", "3", "5", "7", "11", "13", "17", "19", "23", "29"}},
        {40, {"2", "3", "5", "7", "11", "13", "17", "19", "23", "29", "31"}},
        {3, {"2"}},
    };
    for (const auto& c : cases) {
        StepDraw d;
        d.draw(c.n, {0.4f}); // row 4 (or row 0 of one): a prime that divides none of them
        EXPECT_EQ(d.candidates(), c.kept) << "QuestionCount " << c.n;
    }
}

TEST(OrderStep, DivisorsOfTheQuestionCountAreDrawnAgain) {
    {
        StepDraw d; // 20: 2 (t = 0) and 5 (t = 2) divide it, 7 (t = 3) is taken
        EXPECT_EQ(d.draw(20, {0.0f, 0.2f, 0.3f}), 7);
        EXPECT_EQ(d.random.remaining(), 0u);
    }
    {
        StepDraw d; // 21: 3 (t = 1) and 7 (t = 3) divide it, 2 (t = 8 folds to row 0) is taken
        EXPECT_EQ(d.draw(21, {0.1f, 0.3f, 0.8f}), 2);
        EXPECT_EQ(d.random.remaining(), 0u);
    }
    {
        StepDraw d; // 40: 2 and 5 divide it; t = 10 reaches the last row, 31
        EXPECT_EQ(d.draw(40, {0.0f, 0.2f, 0.99f}), 31);
        EXPECT_EQ(d.random.remaining(), 0u);
    }
    {
        StepDraw d;
        EXPECT_EQ(d.draw(3, {0.73f}), 2);
        EXPECT_EQ(d.random.remaining(), 0u);
    }
}

TEST(OrderStep, EveryPrimeBelow31IsTakenAtTheFirstDraw) {
    const int primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int t = 0; t <= 9; ++t) {
        StepDraw d;
        EXPECT_EQ(d.draw(31, {static_cast<float>(t) / 10.0f}), primes[t]) << "t = " << t;
        EXPECT_EQ(d.random.remaining(), 0u);
    }
}

TEST(OrderStep, DrawRoundsInSinglePrecisionWithTiesToEven) {
    // 31 questions keep ten rows, so t picks row t directly.
    StepDraw a;
    EXPECT_EQ(a.draw(31, {0.25f}), 5) << "2.5 rounds to 2, row 2";
    StepDraw b;
    // 0.35f * 10 is 3.5 in single precision (t = 4, "11"); in double it is
    // 3.4999999 and would give t = 3 ("7").
    EXPECT_EQ(b.draw(31, {0.35f}), 11);
    StepDraw c;
    EXPECT_EQ(c.draw(31, {0.45f}), 11) << "4.5 rounds to 4";
}

TEST(OrderStep, EmptyCandidateListIsAProgrammingErrorNotUndefinedBehaviour) {
    StepDraw d;
    EXPECT_THROW(d.draw(2, {0.5f}), ProgramError);
}
