// The handlers of the main form on the shipped test, without a window: the
// start of a run, an answer, a move forward, grading and a move in review.
// Each figure is the handler alone; building the form around it is not timed.

#include "events/main_form.h"
#include "platform/random_source.h"
#include "shipped/shipped_bank.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace vorn;

namespace {

const BankContent& Shipped() {
    static const BankContent content = ShippedBank();
    return content;
}

// The shipped test with its form, before its start; the seed fixes the draws.
struct Run {
    ClockRandom random{1u};
    MainForm form{Shipped(), random};
};

std::unique_ptr<Run> Started() {
    auto run = std::make_unique<Run>();
    run->form.start();
    return run;
}

// Every position answered with its first option, back at the first position.
std::unique_ptr<Run> Answered() {
    auto run = Started();
    MainForm& f = run->form;
    for (int p = 0; p < f.attempt().questionCount(); ++p) {
        f.choose(0);
        f.forward();
    }
    while (f.attempt().currentPosition() > 0)
        f.back();
    return run;
}

template <typename Handler> double Seconds(Handler handler) {
    const auto start = std::chrono::steady_clock::now();
    handler();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void FormLoad(benchmark::State& state) {
    for (auto _ : state) {
        const auto run = std::make_unique<Run>();
        state.SetIterationTime(Seconds([&] { run->form.start(); }));
    }
}

// A different option each time, at a position already answered.
void AnswerClick(benchmark::State& state) {
    const auto run = Started();
    int option = 0;
    for (auto _ : state) {
        run->form.choose(option);
        option = 1 - option;
    }
}

// Forward over answered positions to the last one, then back to the first.
void ForwardMove(benchmark::State& state) {
    const auto run = Answered();
    MainForm& f = run->form;
    bool forward = true;
    for (auto _ : state) {
        const int p = f.attempt().currentPosition();
        if (p == f.attempt().questionCount() - 1) forward = false;
        if (p == 0) forward = true;
        forward ? f.forward() : f.back();
    }
}

void Grading(benchmark::State& state) {
    for (auto _ : state) {
        const auto run = Answered();
        state.SetIterationTime(Seconds([&] { run->form.grade(); }));
    }
}

void ReviewMove(benchmark::State& state) {
    const auto run = Answered();
    MainForm& f = run->form;
    f.grade();
    bool forward = true;
    for (auto _ : state) {
        const int p = f.attempt().currentPosition();
        if (p == f.attempt().questionCount() - 1) forward = false;
        if (p == 0) forward = true;
        forward ? f.forward() : f.back();
    }
}

} // namespace

BENCHMARK(FormLoad)->Name("start()")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(AnswerClick)->Name("choose()")->Unit(benchmark::kMicrosecond);
BENCHMARK(ForwardMove)->Name("forward()")->Unit(benchmark::kMicrosecond);
BENCHMARK(Grading)
    ->Name("grade()")
    ->UseManualTime()
    ->MinTime(0.02) // each grading needs a whole run answered first, which is not timed
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ReviewMove)->Name("forward() in review")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
