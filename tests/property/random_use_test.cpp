// Random use, checked after every event: thousands of seeded runs over banks
// of every shape, each a few hundred answers, moves and grades. After each
// event every invariant of a run and every rule of its mode must hold; a
// failure prints the seed, the events and how to play that run again. (What
// the window shows, and the clicks its gate refuses, are the golden traces'.)

#include "support/test_banks.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace vorn;

namespace {

struct BankShape {
    int questions;
    bool check;
};

// 3, 4, 20, 21 and 28 questions, each with the check question off and on.
const BankShape kShapes[] = {{3, false},  {3, true},   {4, false}, {4, true},  {20, true},
                             {20, false}, {21, false}, {21, true}, {28, true}, {28, false}};

BankContent BankOf(const BankShape& shape, std::mt19937& rng) {
    test::BankOptions options{.questions = shape.questions};
    options.check = shape.check ? CheckMode::WithQuestion : CheckMode::Off;
    for (int q = 0; q < shape.questions; ++q)
        options.optionCounts.push_back(2 + static_cast<int>(rng() % 4));
    BankContent bank = test::MakeBank(options);
    // Some keys match no option, some match two.
    for (Question& question : bank.questions) {
        const unsigned roll = rng() % 10;
        if (roll == 0) question.key = QStringLiteral("нищо");
        if (roll == 1) question.options.back() = question.key;
    }
    return bank;
}

class Checker {
public:
    explicit Checker(const Attempt& run) : run_(run), start_(run) {
        const int n = run.questionCount();
        std::vector<bool> seen(static_cast<std::size_t>(n));
        for (int p = 0; p < n; ++p)
            seen[static_cast<std::size_t>(run.questionAt(p))] = true;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), n) << "the order is a permutation";
        EXPECT_EQ(run.questionAt(n - 1), 0) << "the last position asks question 1";
        EXPECT_EQ(run.questionAt(0), run.orderStep());
        for (int Q = 0; Q < n; ++Q) {
            const auto& orders = AllOptionOrders(run.optionCount(Q));
            EXPECT_NE(std::find(orders.begin(), orders.end(), run.optionOrder(Q)), orders.end());
        }
        wasAnswered_.assign(static_cast<std::size_t>(n), false);
    }

    // Everything that must hold after any event; the first broken rule, or "".
    std::string check() {
        const int n = run_.questionCount();
        for (int p = 0; p < n; ++p)
            if (run_.questionAt(p) != start_.questionAt(p)) return "the question order changed";
        for (int Q = 0; Q < n; ++Q)
            if (run_.optionOrder(Q) != start_.optionOrder(Q)) return "an option order changed";
        if (run_.currentPosition() < 0 || run_.currentPosition() >= n)
            return "position out of range";

        int answered = 0, right = 0;
        for (int p = 0; p < n; ++p) {
            const int Q = run_.questionAt(p);
            const std::optional<int> chosen = run_.chosenSlot(p);
            const Judgement judged = run_.judgement(p);
            if (chosen.has_value() != (judged != Judgement::Unanswered))
                return "choice and judgement disagree at " + std::to_string(p);
            if (chosen && (*chosen < 0 || *chosen >= run_.optionCount(Q)))
                return "a slot beyond the options at " + std::to_string(p);
            if (chosen && (judged == Judgement::Right) !=
                              (run_.optionText(Q, *chosen) == run_.question(Q).key))
                return "a judgement that is not the text's at " + std::to_string(p);
            if (wasAnswered_[static_cast<std::size_t>(p)] && !chosen) return "an answer was lost";
            wasAnswered_[static_cast<std::size_t>(p)] = chosen.has_value();
            answered += chosen.has_value();
            right += judged == Judgement::Right;
        }
        if (run_.answeredCount() != answered) return "the answered count is not the answers";

        if (run_.mode() == RunMode::Test) return run_.grade() ? "a grade before grading" : "";
        if (!graded_) graded_ = run_;
        for (int p = 0; p < n; ++p)
            if (run_.chosenSlot(p) != graded_->chosenSlot(p))
                return "an answer changed after grading";
        const GradeResult& grade = run_.grade().value();
        if (grade.score != right || grade.total != n || grade.percent != right * 100 / n)
            return "the grade is not score/total = percent";
        return {};
    }

private:
    const Attempt& run_;
    const Attempt start_;
    std::vector<bool> wasAnswered_;
    std::optional<Attempt> graded_;
};

} // namespace

TEST(RandomUse, EveryInvariantHoldsAfterEveryEvent) {
    constexpr int kRuns = 2000, kEvents = 300;
    long graded = 0;
    // VORN_REPLAY_RUN=n plays run n alone, as a failure message names it.
    bool replaying = false;
    const int only = qEnvironmentVariableIntValue("VORN_REPLAY_RUN", &replaying);
    for (int r = replaying ? only : 0; r < (replaying ? only + 1 : kRuns); ++r) {
        const std::uint32_t seed = 1000u + static_cast<std::uint32_t>(r);
        std::mt19937 rng(seed);
        const BankShape& shape = kShapes[r % std::size(kShapes)];
        ClockRandom random(seed);
        random.Randomize();
        Attempt run = Attempt::Start(BankOf(shape, rng), random);
        Checker checker(run);
        std::ostringstream events;
        std::string broken = checker.check();
        for (int e = 0; e < kEvents && broken.empty(); ++e) {
            // Mostly answers and moves; grading is rare, so that runs spend
            // time in both modes.
            const unsigned roll = rng() % 100;
            const int slot = static_cast<int>(rng() % 5) % run.optionCount(run.currentQuestion());
            if (roll < 50) {
                events << "choose(" << slot << ") ";
                run.choose(slot);
            } else if (roll < 74) {
                events << "forward ";
                run.moveForward();
            } else if (roll < 98) {
                events << "back ";
                run.moveBack();
            } else {
                events << "grade ";
                run.gradeNow();
            }
            broken = checker.check();
        }
        graded += run.mode() == RunMode::Review;
        ASSERT_TRUE(broken.empty())
            << broken << "\n  seed " << seed << ", " << shape.questions << " questions, check "
            << shape.check << "\n  events: " << events.str() << "\n  replay: VORN_REPLAY_RUN=" << r
            << " vorn-tests --gtest_filter=RandomUse.*";
    }
    if (!replaying) {
        EXPECT_GT(graded, kRuns / 2) << "both modes were reached";
    }
}
