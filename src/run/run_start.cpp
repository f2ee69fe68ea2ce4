// The start of a run: the check question, the step of the question order and
// every question's option order, drawn from one random sequence in that order.

#include "attempt.h"
#include "draws.h"
#include "platform/program_error.h"
#include "platform/text.h"

namespace vorn {

namespace {

// The primes that can serve as the step of the order, ascending.
constexpr int kCandidateSteps[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};

} // namespace

int DrawOrderStep(int count, RandomSource& random) {
    std::vector<int> candidates;
    for (const int prime : kCandidateSteps)
        if (prime < count) candidates.push_back(prime);
    if (candidates.empty())
        throw ProgramError(QStringLiteral("no order step for %1 questions").arg(count));
    // t is 1..9 on intervals of length 1 and 0 or 10 on halves.
    const long n = static_cast<long>(candidates.size());
    for (;;) {
        const float x = random.Rnd() * 10.0f; // kept in single precision
        const int step = candidates[static_cast<std::size_t>(RoundHalfEven(x) % n)];
        if (count % step != 0) return step;
    }
}

const OptionOrder& DrawOptionOrder(int k, RandomSource& random) {
    const float scaled = random.Rnd() * 1000.0f; // single precision, as the draw is defined
    const long m = RoundHalfEven(scaled) % Factorial(k);
    return AllOptionOrders(k)[static_cast<std::size_t>(m)];
}

std::vector<int> DrawPoolQuestions(int pool, int count, RandomSource& random) {
    std::vector<int> drawn;
    for (int i = 0; i < pool && static_cast<int>(drawn.size()) < count; ++i) {
        const int needed = count - static_cast<int>(drawn.size());
        const int left = pool - i;
        if (needed >= left || static_cast<double>(random.Rnd()) * left < needed) drawn.push_back(i);
    }
    return drawn;
}

Attempt Attempt::Prepared(const BankContent& bank, const std::vector<int>& numbers) {
    Attempt run;
    run.settings_ = bank.settings;
    for (const int i : numbers) {
        run.questions_.push_back(bank.questions.at(static_cast<std::size_t>(i)));
        run.bankNumbers_.push_back(i + 1);
    }
    if (numbers.size() < bank.questions.size())
        run.poolSize_ = static_cast<int>(bank.questions.size());
    // The check question: the run's first question once more, as the last
    // question. Its explanation comes along, so that review shows the real one.
    if (run.settings_.addsCheckQuestion() && !run.questions_.empty()) {
        run.questions_.push_back(run.questions_.front());
        run.bankNumbers_.push_back(run.bankNumbers_.front());
    }
    return run;
}

Attempt Attempt::Start(const BankContent& bank, RandomSource& random) {
    const int pool = static_cast<int>(bank.questions.size());
    Attempt run = Prepared(bank, DrawPoolQuestions(pool, bank.draw.value_or(pool), random));
    const int n = run.questionCount();
    run.orderStep_ = DrawOrderStep(n, random);
    for (int i = 1; i <= n; ++i) {
        run.questionAt_.push_back(i * run.orderStep_ % n);
        run.optionOrders_.push_back(DrawOptionOrder(run.optionCount(i - 1), random));
    }
    run.chosen_.assign(static_cast<std::size_t>(n), std::nullopt);
    run.judgements_.assign(static_cast<std::size_t>(n), Judgement::Unanswered);
    return run;
}

} // namespace vorn
