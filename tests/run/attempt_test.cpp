// A run as values: its single-precision draws, which check adds the check
// question, and how an answer is judged, as worked values a reader can
// check by hand. The order, the moves, the grade, the verdict and what the
// screens show are pinned by the golden traces; the invariants of any run by
// the random-use test.

#include "platform/program_error.h"
#include "run/draws.h"
#include "support/test_banks.h"

#include <QJsonArray>
#include <algorithm>
#include <gtest/gtest.h>

using namespace vorn;
using test::MakeBank;
using test::StartAttempt;
using test::StepThenIdentity;

namespace {

constexpr float kLargestBelowOne = 0.99999994f;

} // namespace

TEST(OrderStep, DrawTakesThePrimeOfTheRoundedValueAndRedrawsDivisors) {
    const struct {
        int count;
        std::vector<float> values;
        int step;
    } cases[] = {
        {20, {0.0f, 0.2f, 0.3f}, 7}, // 2 and 5 divide 20; t = 3 is the fourth prime
        {21, {0.1f, 0.3f, 0.8f}, 2}, // 3 and 7 divide 21; t = 8 folds onto the first of 8
        {3, {0.73f}, 2},             // one candidate
        {29, {0.9f}, 2},             // nine candidates below 29: t = 9 folds to the first
        {29, {0.25f}, 5},            // 2.5 rounds to the even 2
        {29, {0.35f}, 11},           // 3.5 in single precision (3.4999999 in double)
        {29, {0.45f}, 11},           // 4.5 rounds to 4
        {29, {kLargestBelowOne}, 3}, // t = 10 folds to the second
        {22, {0.0f, 0.4f, 0.1f}, 3}, // 2 and 11 divide 22
    };
    for (const auto& c : cases) {
        ScriptedRandom random = test::Scripted(c.values);
        EXPECT_EQ(DrawOrderStep(c.count, random), c.step) << c.count << " " << c.values.front();
        EXPECT_EQ(random.remaining(), 0u) << "one value a draw";
    }
    ScriptedRandom none{0.5f};
    EXPECT_THROW(DrawOrderStep(2, none), ProgramError) << "no prime below 2";
}

TEST(OptionOrder, ValueTimesAThousandRoundedInSinglePrecisionModuloKFactorial) {
    const struct {
        int k;
        float value;
        OptionOrder order;
    } cases[] = {
        {4, kLargestBelowOne, {3, 4, 1, 2}}, // 1000 mod 24 = 16
        {4, 0.0125f, {3, 1, 2, 4}},          // 12.5 rounds to 12
        {4, 0.9995f, {3, 4, 1, 2}},          // 999.5 in single precision rounds to 1000
        {3, kLargestBelowOne, {3, 1, 2}},    // 1000 mod 6 = 4
        {2, kLargestBelowOne, {1, 2}},       // 1000 mod 2 = 0
        {5, 0.119f, {5, 4, 3, 2, 1}},        // 119 mod 120 is the last row ...
        {5, 0.12f, {1, 2, 3, 4, 5}},         // ... and 120 the first again
    };
    for (const auto& c : cases) {
        ScriptedRandom random{c.value};
        EXPECT_EQ(DrawOptionOrder(c.k, random), c.order) << c.k << " " << c.value;
    }
}

TEST(StartOfRun, OnlyTheCheckWithItsQuestionAddsTheCopyAndEitherCheckShowsTheVerdict) {
    const struct {
        CheckMode check;
        bool copy, verdict;
    } cases[] = {
        {CheckMode::WithQuestion, true, true},
        {CheckMode::VerdictOnly, false, true},
        {CheckMode::Off, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.check));
        const int n = c.copy ? 21 : 20;
        const Attempt run = StartAttempt(MakeBank({.check = c.check}), StepThenIdentity(0.4f, n));
        EXPECT_EQ(run.questionCount(), n);
        EXPECT_EQ(run.checkCopy(), c.copy ? std::optional<int>(20) : std::nullopt);
        EXPECT_EQ(run.settings().showsVerdict(), c.verdict);
    }
    // The copy is question 1 whole: text, options, key, explanation, the same picture.
    const Attempt run = StartAttempt(MakeBank(), StepThenIdentity(0.0f, 21));
    EXPECT_EQ(run.question(20), run.question(0));
    EXPECT_EQ(run.question(19).picture->encoded, QByteArray("picture 20"));
}

TEST(Answering, IsRecordedJudgedByExactTextAndCountedOncePerPosition) {
    // Step 3 over 4 questions, options in stored order: position 0 asks
    // question 3, whose options are "4-1" .. "4-4" and whose key is "4-1".
    const struct {
        const char* what;
        QString key;
        int copyOfKey;            // the option that is made equal to the key, or -1
        std::vector<int> choices; // chosen one after another at position 0
        std::optional<int> chosen;
        Judgement judged;
    } cases[] = {
        {"right", QStringLiteral("4-1"), -1, {0}, 0, Judgement::Right},
        {"wrong", QStringLiteral("4-1"), -1, {2}, 2, Judgement::Wrong},
        {"changed to right", QStringLiteral("4-1"), -1, {2, 3, 0}, 0, Judgement::Right},
        {"changed to wrong", QStringLiteral("4-1"), -1, {0, 1}, 1, Judgement::Wrong},
        {"a trailing blank", QStringLiteral("4-1 "), -1, {0}, 0, Judgement::Wrong},
        {"a leading zero", QStringLiteral("04-1"), -1, {0}, 0, Judgement::Wrong},
        {"either of two equal", QStringLiteral("4-4"), 1, {1}, 1, Judgement::Right},
    };
    for (const auto& c : cases) {
        BankContent bank = MakeBank({.questions = 4, .check = CheckMode::Off});
        bank.questions[3].key = c.key;
        if (c.copyOfKey >= 0) bank.questions[3].options[c.copyOfKey] = c.key;
        Attempt run = StartAttempt(bank, StepThenIdentity(0.1f, 4));
        ASSERT_EQ(run.currentQuestion(), 3);
        for (const int slot : c.choices)
            run.choose(slot);
        EXPECT_EQ(run.chosenSlot(0), c.chosen) << c.what;
        EXPECT_EQ(run.judgement(0), c.judged) << c.what;
        EXPECT_EQ(run.answeredCount(), 1) << c.what;
        EXPECT_EQ(run.chosenSlot(1), std::nullopt) << c.what;
    }
    // The key slot is the last option equal to the key, or none.
    BankContent bank = MakeBank({.questions = 4, .check = CheckMode::Off});
    bank.questions[3].options[2] = bank.questions[3].key;
    bank.questions[2].key = QStringLiteral("нищо");
    const Attempt run = StartAttempt(bank, StepThenIdentity(0.1f, 4));
    EXPECT_EQ(run.keySlot(3), 2);
    EXPECT_EQ(run.keySlot(2), std::nullopt);
    EXPECT_EQ(run.keySlot(1), 0);
}

TEST(Pool, SelectionTakesEachQuestionWithTheChanceStillNeededAndDrawsNothingForAll) {
    const struct {
        int pool, count;
        std::vector<float> values;
        std::vector<int> drawn;
    } cases[] = {
        {5, 2, {0.9f, 0.3f, 0.1f}, {1, 2}}, // 4.5 ≥ 2, 1.2 < 2, 0.3 < 1
        {4, 3, {0.9f}, {1, 2, 3}},          // 3.6 ≥ 3; then three left for three
        {3, 3, {}, {0, 1, 2}},
        {3, 5, {}, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        ScriptedRandom random = test::Scripted(c.values);
        EXPECT_EQ(DrawPoolQuestions(c.pool, c.count, random), c.drawn) << c.pool << " " << c.count;
        EXPECT_EQ(random.remaining(), 0u);
    }
    // Over many seeds every question is drawn about as often: 2,000 draws of
    // 3 of 10 take each 600 times, with a standard deviation of about 20.
    std::vector<int> times(10, 0);
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        ClockRandom random(seed);
        random.Randomize();
        for (const int q : DrawPoolQuestions(10, 3, random))
            ++times[static_cast<std::size_t>(q)];
    }
    for (const int t : times)
        EXPECT_NEAR(t, 600, 80);
}

TEST(Pool, ARunAsksTheDrawnQuestionsWithTheFirstDrawnAsTheCheckAndIsKeptWithThem) {
    BankContent pool = test::MakeBank({.questions = 60});
    pool.draw = 10;
    std::vector<std::vector<int>> numbersBySeed;
    for (const std::uint32_t seed : {1u, 2u}) {
        ClockRandom random(seed);
        random.Randomize();
        const Attempt run = Attempt::Start(pool, random);
        ASSERT_EQ(run.questionCount(), 11);
        EXPECT_EQ(run.poolSize(), 60);
        std::vector<int> numbers;
        for (int Q = 0; Q < 10; ++Q) {
            numbers.push_back(run.bankNumber(Q));
            EXPECT_EQ(run.question(Q).text, QStringLiteral("Въпрос %1").arg(numbers.back()));
        }
        EXPECT_TRUE(std::adjacent_find(numbers.begin(), numbers.end(), std::greater_equal<>()) ==
                    numbers.end())
            << "distinct, in the pool's order";
        EXPECT_EQ(run.bankNumber(10), numbers.front());
        EXPECT_EQ(run.question(10), run.question(0)) << "the check copies the first drawn";
        numbersBySeed.push_back(numbers);

        EXPECT_EQ(Attempt::fromJson(run.toJson(), pool, nullptr), run);
        QJsonObject twice = run.toJson();
        QJsonArray drawn = twice["drawn"].toArray();
        drawn[1] = drawn[0];
        twice["drawn"] = drawn;
        EXPECT_FALSE(Attempt::fromJson(twice, pool, nullptr)) << "a question drawn twice";
    }
    EXPECT_NE(numbersBySeed[0], numbersBySeed[1]);
}
