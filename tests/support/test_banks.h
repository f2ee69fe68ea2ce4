#pragma once
// Banks built inside the tests, and a form started on them with an exact
// random sequence.

#include "events/main_form.h"
#include "platform/random_source.h"
#include "support/bank_printers.h"
#include "support/qt_printers.h"

#include <memory>
#include <vector>

namespace vorn::test {

// The switches of the bank's settings; its title is the shipped test's.
struct BankOptions {
    int questions = 20;
    bool phrasePreview = false;
    CheckMode check = CheckMode::WithQuestion;
    bool explanations = true;
    bool reviewNavigation = true;
    std::vector<int> optionCounts; // per question; 4 where not given
};

// Question q (1-based) reads "Въпрос q", its options "q-1" .. "q-k", the key
// is option 1 ("q-1"), the explanation is two lines, and questions get a
// picture of their own ("picture q").
BankContent MakeBank(const BankOptions& options = {});

// A started run: the form over its bank after its start, with the random
// values given (the order step first, then one per question).
struct Run {
    BankContent bank;
    ScriptedRandom random;
    std::unique_ptr<MainForm> form;
};
std::unique_ptr<Run> StartRun(const BankContent& content, std::initializer_list<float> values);

// The random values for a run of n questions: the order-step value, then 0 for
// every option order (the identity order "12..k").
std::vector<float> StepThenIdentity(float step, int n);
std::unique_ptr<Run> StartRun(const BankContent& content, const std::vector<float>& values);

// The option button whose text box shows the key of the question on display,
// or -1 when no option matches it.
int KeySlot(const MainForm& form);

// Chooses an option at the current position as a click would.
void AnswerRight(MainForm& form);
void AnswerWrong(MainForm& form);

// The whole state of the form's run, as one text to compare.
QString RunState(const MainForm& form);

// A random source that hands out exactly these values.
ScriptedRandom Scripted(const std::vector<float>& values);

// A run started on its own, with the random values given.
Attempt StartAttempt(const BankContent& content, const std::vector<float>& values);

} // namespace vorn::test
