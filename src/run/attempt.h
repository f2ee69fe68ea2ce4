#pragma once
// Attempt: the whole state of one test run as values, and what can happen to
// it. A run starts from a bank and a random source, takes answers and moves in
// test mode, is graded once, and is then reviewed. Nothing here knows of
// controls; the presenter shows a run, the form's events change it.
//
// Two indices run through it: the position p (the place in the question order,
// the one on screen is currentPosition()) and the question number Q (0-based
// in the run's questions: the bank's, then the check copy of question 0).

#include "bank/bank_content.h"
#include "bank/bank_settings.h"
#include "bank/option_orders.h"
#include "grade_result.h"
#include "platform/random_source.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace vorn {

enum class RunMode { Test, Review };
enum class Judgement { Unanswered, Wrong, Right };

// The texts chosen last for question 0 and for the last question of the run:
// with the check question on, the two answers to the same question.
struct CheckAnswers {
    std::optional<QString> first;
    std::optional<QString> last;
    bool operator==(const CheckAnswers&) const = default;
};

class Attempt {
public:
    Attempt() = default; // no questions: a form before its start

    // The start of a run on a bank that keeps its limits (bank_limits.h):
    // a bank with a draw first has its questions drawn from it, then the
    // check question is added, the order step drawn, then one option order
    // per question, each draw taking the next values of `random`.
    static Attempt Start(const BankContent& bank, RandomSource& random);

    // ---- the run's questions ----
    int questionCount() const { return static_cast<int>(questions_.size()); }
    const Question& question(int Q) const;
    const BankSettings& settings() const { return settings_; }
    // The question number of the check copy, when the run has one.
    std::optional<int> checkCopy() const;
    // Question Q's number in the bank, 1-based (the check copy's is its
    // original's).
    int bankNumber(int Q) const { return bankNumbers_.at(static_cast<std::size_t>(Q)); }
    // The bank's questions, when the run drew its own from them.
    std::optional<int> poolSize() const;
    int optionCount(int Q) const;
    const OptionOrder& optionOrder(int Q) const;
    // The text of the option question Q shows in `slot` (0-based).
    const QString& optionText(int Q, int slot) const;
    // The picture of that option, empty for one that is text (its text names it).
    Picture optionPicture(int Q, int slot) const;
    // The last slot whose text is the key, exactly; none when no option is.
    std::optional<int> keySlot(int Q) const;

    // ---- where the examinee is ----
    int orderStep() const { return orderStep_; }
    int questionAt(int position) const;
    int currentPosition() const { return current_; }
    int currentQuestion() const { return questionAt(current_); }
    RunMode mode() const { return mode_; }

    // ---- the answers ----
    std::optional<int> chosenSlot(int position) const;
    Judgement judgement(int position) const;
    int answeredCount() const { return answered_; }
    const CheckAnswers& checkAnswers() const { return check_; }
    // Set once the run is graded.
    const std::optional<GradeResult>& grade() const { return grade_; }

    // ---- what can happen ----
    // Records `slot` as the answer at the current position and judges it by
    // text against the key. Ignored once graded: a graded test takes no
    // corrections.
    void choose(int slot);
    // One position on, or back, kept within the test.
    void moveForward();
    void moveBack();
    // Scores the run, switches to review at position 0. Only the first call
    // counts.
    void gradeNow();

    // ---- kept and restored ----
    // The draws, the choices, the position and the mode: no judgement and no
    // grade, which are worked out again on reading.
    QJsonObject toJson() const;
    // A run written by toJson, over the same bank; none, with the reason in
    // `error`, when it does not fit that bank.
    static std::optional<Attempt> fromJson(const QJsonObject& json, const BankContent& bank,
                                           QString* error);

    bool operator==(const Attempt&) const = default;

private:
    // The run's questions and settings from the bank questions `numbers`
    // (0-based, ascending), before the order draws.
    static Attempt Prepared(const BankContent& bank, const std::vector<int>& numbers);
    void checkPosition(int position) const;

    std::vector<Question> questions_;
    std::vector<int> bankNumbers_; // by question number
    int poolSize_ = 0;             // 0: nothing drawn
    BankSettings settings_;
    int orderStep_ = 0;
    std::vector<int> questionAt_;            // by position
    std::vector<OptionOrder> optionOrders_;  // by question number
    std::vector<std::optional<int>> chosen_; // by position
    std::vector<Judgement> judgements_;      // by position
    int answered_ = 0;
    int current_ = 0;
    RunMode mode_ = RunMode::Test;
    CheckAnswers check_;
    std::optional<GradeResult> grade_;
};

} // namespace vorn
