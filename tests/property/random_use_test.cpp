// Random use, checked after every event: thousands of seeded runs over banks
// of every shape, each a few hundred clicks of every kind, the impossible
// ones included (they go through the view's input gate, as in the window).
// After each event every invariant of a run and every rule of its mode must
// hold; a failure prints the seed, the events and how to play that run again.

#include "platform/input_gate.h"
#include "platform/text.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

using namespace vorn;

namespace {

struct BankShape {
    int questions;
    bool check, phrase, navigation;
};

// 3, 4, 20, 21 and 28 questions, each with the check question off and on,
// the phrase switch and review navigation alternating.
const BankShape kShapes[] = {
    {3, false, false, true},   {3, true, true, false},   {4, false, true, true},
    {4, true, false, false},   {20, true, false, false}, {20, false, true, true},
    {21, false, false, true},  {21, true, true, false},  {28, true, true, true},
    {28, false, false, false},
};

BankContent BankOf(const BankShape& shape, std::mt19937& rng) {
    test::BankOptions options{.questions = shape.questions};
    options.checkFlag = shape.check ? QStringLiteral("Тото - 1") : QStringLiteral("Тото - 0");
    options.phraseFlag = shape.phrase ? QStringLiteral("фраза - 1") : QStringLiteral("фраза - 0");
    options.navigationFlag =
        shape.navigation ? QStringLiteral("навигация - 1") : QStringLiteral("навигация - 0");
    for (int q = 0; q < shape.questions; ++q)
        options.optionCounts.push_back(2 + static_cast<int>(rng() % 4));
    BankContent bank = test::MakeBank(options);
    // Some keys match no option, some match two; some texts have a blank.
    for (Question& question : bank.questions) {
        const unsigned roll = rng() % 10;
        if (roll == 0) question.key = QStringLiteral("нищо");
        if (roll == 1) question.options.back() = question.key;
        if (roll < 5) question.text += QStringLiteral(" ___ край");
    }
    return bank;
}

class Checker {
public:
    explicit Checker(const VORN_Prazno& f) : f_(f) {}

    // Everything that must hold after any event; the first broken rule, or "".
    std::string check() {
        const int n = f_.QuestionCount;
        std::ostringstream broken;
        for (const int j : {0, 1, 2, 3, 4})
            if (f_.List2(j).ListCount() != n) broken << "List2(" << j << ") rows; ";
        if (!broken.str().empty()) return broken.str();
        if (order_.isEmpty()) start();

        if (f_.List2(1).items() != order_) return "the question order changed";
        if (f_.List2(2).items() != optionOrders_) return "an option order changed";
        if (f_.CurrentPos < 0 || f_.CurrentPos >= n) return "CurrentPos out of range";

        int answered = 0, right = 0;
        for (int p = 0; p < n; ++p) {
            const QString state = f_.List2(3).List(p);
            const int q = f_.List2(1).List(p).toInt();
            const int k = f_.VORN_Danni.List1(q + 1).ListCount() - 1;
            const int chosen = f_.List2(0).List(p).toInt();
            const int correct = f_.List2(4).List(p).toInt();
            if (chosen >= k || correct >= k || chosen < -1 || correct < -1)
                return "a slot beyond the options at position " + std::to_string(p);
            if ((state == "-1") != (chosen == -1)) return "choice and state disagree";
            if (state != "-1" && state != "0" && state != "1") return "a state that is no state";
            if (wasAnswered_[p] && state == "-1") return "an answer was lost";
            wasAnswered_[p] = state != "-1";
            answered += state != "-1";
            right += state == "1";
        }
        if (f_.AnsweredCount != answered) return "AnsweredCount is not the answered rows";
        if (f_.AnsweredCount < lastAnswered_) return "AnsweredCount fell";
        lastAnswered_ = f_.AnsweredCount;
        if (f_.Label1(2).Caption != QStringLiteral("Въведени отговори: %1/%2").arg(answered).arg(n))
            return "the counter label";

        const bool graded = !f_.Command2(0).Enabled;
        const QString current = f_.List2(3).List(f_.CurrentPos);
        if (!graded) {
            if (f_.Label1(1).Caption != QStringLiteral("Резултат: "))
                return "a result before grading";
            if (f_.Picture1.BackColor != (current == "-1" ? kRed : kGreen)) return "indicator";
            return {};
        }
        if (!gradedAnswers_) {
            gradedAnswers_ = f_.List2(0).items() + f_.List2(3).items();
            const long percent = static_cast<long>(std::floor(right * 100.0 / n));
            result_ = QStringLiteral("Резултат: %1/%2 = %3%").arg(right).arg(n).arg(percent);
        }
        if (f_.List2(0).items() + f_.List2(3).items() != *gradedAnswers_)
            return "an answer changed after grading";
        if (f_.Label1(1).Caption != result_) return "the result text is not score/total = percent";
        for (int i = 0; i <= 4; ++i)
            if (f_.Option1(i).Enabled) return "an option button takes answers after grading";
        if (f_.Command1(0).Visible || f_.Command1(1).Visible) return "test navigation in review";
        if (f_.Picture1.BackColor != (current == "1" ? kGreen : kRed)) return "review indicator";
        return {};
    }

private:
    void start() {
        order_ = f_.List2(1).items();
        optionOrders_ = f_.List2(2).items();
        const int n = f_.QuestionCount;
        wasAnswered_.assign(static_cast<std::size_t>(n), false);
        // The order is a permutation that starts at the step and ends at 0.
        QList<int> sorted;
        for (const QString& row : order_)
            sorted.append(row.toInt());
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(sorted[i], i) << "the order is a permutation";
        EXPECT_EQ(order_.last(), QStringLiteral("0"));
        EXPECT_EQ(order_.first().toInt(), f_.OrderStep);
        for (int q = 0; q < n; ++q) {
            const int k = f_.VORN_Danni.List1(q + 1).ListCount() - 1;
            EXPECT_TRUE(f_.VORN_Danni.Poredica(k).items().contains(optionOrders_[q]))
                << "the option order of question " << q << " is a row of Poredica(" << k << ")";
        }
    }

    const VORN_Prazno& f_;
    QStringList order_, optionOrders_;
    std::vector<bool> wasAnswered_;
    int lastAnswered_ = 0;
    std::optional<QStringList> gradedAnswers_;
    QString result_;
};

// One user event, through the same gate the view applies; true if it reached
// the model.
bool Apply(VORN_Prazno& f, int kind, int index) {
    switch (kind) {
    case 0:
        if (!TakesInput(f.Option1(index), f.Frame1)) return false;
        f.Option1(index).setValue(true);
        return true;
    case 1:
        if (!TakesInput(f.Command1(index % 2))) return false;
        f.Command1_Click(static_cast<std::int16_t>(index % 2));
        return true;
    case 2:
        if (!TakesInput(f.Command2(index % 3))) return false;
        f.Command2_Click(static_cast<std::int16_t>(index % 3));
        return true;
    default:
        if (!TakesInput(f.autor)) return false;
        f.autor_Click();
        return true;
    }
}

} // namespace

TEST(RandomUse, EveryInvariantHoldsAfterEveryEvent) {
    constexpr int kRuns = 2000, kEvents = 300;
    const char* kinds[] = {"option", "Command1", "Command2", "Автор"};
    long delivered = 0, refused = 0, graded = 0;
    // VORN_REPLAY_RUN=n plays run n alone, as a failure message names it.
    bool replaying = false;
    const int only = qEnvironmentVariableIntValue("VORN_REPLAY_RUN", &replaying);
    for (int run = replaying ? only : 0; run < (replaying ? only + 1 : kRuns); ++run) {
        const std::uint32_t seed = 1000u + static_cast<std::uint32_t>(run);
        std::mt19937 rng(seed);
        const BankShape& shape = kShapes[run % std::size(kShapes)];
        QuestionBank bank;
        bank.Load(BankOf(shape, rng));
        ClockRandom random(seed);
        VORN_Prazno f(bank, random);
        f.Form_Load();
        Checker checker(f);
        std::ostringstream events;
        std::string broken = checker.check();
        for (int e = 0; e < kEvents && broken.empty(); ++e) {
            // Mostly answers and moves; grading is rare, so that runs spend
            // time in both modes.
            const unsigned roll = rng() % 100;
            const int kind = roll < 50 ? 0 : roll < 75 ? 1 : roll < 97 ? 2 : 3;
            const int index = static_cast<int>(rng() % 5);
            const int chosenKind = kind == 2 && index % 3 == 0 && rng() % 8 != 0 ? 1 : kind;
            events << kinds[chosenKind] << "(" << index << ") ";
            Apply(f, chosenKind, index) ? ++delivered : ++refused;
            broken = checker.check();
        }
        graded += !f.Command2(0).Enabled;
        ASSERT_TRUE(broken.empty())
            << broken << "\n  seed " << seed << ", " << shape.questions << " questions, check "
            << shape.check << ", phrase " << shape.phrase << ", navigation " << shape.navigation
            << "\n  events: " << events.str() << "\n  replay: VORN_REPLAY_RUN=" << run
            << " vorn-tests --gtest_filter=RandomUse.*";
    }
    if (replaying) return;
    // Both modes were reached, and the gate had impossible clicks to refuse.
    EXPECT_GT(graded, kRuns / 2);
    EXPECT_GT(refused, delivered / 10);
    RecordProperty("events", std::to_string(delivered + refused));
}
