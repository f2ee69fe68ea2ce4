// What can happen to a run once it has started, and what it answers.

#include "attempt.h"

#include "bank/option_picture.h"
#include "platform/program_error.h"

#include <algorithm>

namespace vorn {

namespace {

template <typename T> const T& At(const std::vector<T>& v, int i, const char* what) {
    if (i < 0 || i >= static_cast<int>(v.size()))
        throw ProgramError(QStringLiteral("Attempt: no %1 %2 (of %3)")
                               .arg(QLatin1String(what))
                               .arg(i)
                               .arg(v.size()));
    return v[static_cast<std::size_t>(i)];
}

} // namespace

const Question& Attempt::question(int Q) const {
    return At(questions_, Q, "question");
}

std::optional<int> Attempt::checkCopy() const {
    if (!settings_.addsCheckQuestion() || questions_.empty()) return std::nullopt;
    return questionCount() - 1;
}

std::optional<int> Attempt::poolSize() const {
    return poolSize_ > 0 ? std::optional<int>(poolSize_) : std::nullopt;
}

int Attempt::optionCount(int Q) const {
    return static_cast<int>(question(Q).options.size());
}

const OptionOrder& Attempt::optionOrder(int Q) const {
    return At(optionOrders_, Q, "question");
}

const QString& Attempt::optionText(int Q, int slot) const {
    const int item = At(optionOrder(Q), slot, "slot");
    return question(Q).options.at(item - 1);
}

Picture Attempt::optionPicture(int Q, int slot) const {
    return OptionPicture(question(Q), At(optionOrder(Q), slot, "slot") - 1);
}

std::optional<int> Attempt::keySlot(int Q) const {
    std::optional<int> slot;
    for (int i = 0; i < optionCount(Q); ++i)
        if (optionText(Q, i) == question(Q).key) slot = i;
    return slot;
}

void Attempt::checkPosition(int position) const {
    At(questionAt_, position, "position");
}

int Attempt::questionAt(int position) const {
    return At(questionAt_, position, "position");
}

std::optional<int> Attempt::chosenSlot(int position) const {
    return At(chosen_, position, "position");
}

Judgement Attempt::judgement(int position) const {
    return At(judgements_, position, "position");
}

void Attempt::choose(int slot) {
    if (mode_ != RunMode::Test) return;
    const int Q = currentQuestion();
    const QString& chosen = optionText(Q, slot);
    const std::size_t p = static_cast<std::size_t>(current_);
    if (judgements_[p] == Judgement::Unanswered) ++answered_;
    chosen_[p] = slot;
    judgements_[p] = chosen == question(Q).key ? Judgement::Right : Judgement::Wrong;
    if (Q == questionCount() - 1) check_.last = chosen;
    if (Q == 0) check_.first = chosen;
}

void Attempt::moveForward() {
    current_ = std::min(current_ + 1, questionCount() - 1);
}

void Attempt::moveBack() {
    current_ = std::max(current_ - 1, 0);
}

void Attempt::gradeNow() {
    if (mode_ == RunMode::Review) return;
    const int score =
        static_cast<int>(std::count(judgements_.begin(), judgements_.end(), Judgement::Right));
    grade_ = GradeOf(score, questionCount());
    // Both check answers exist only when every position was answered.
    if (settings_.showsVerdict())
        grade_->verdict = answered_ < questionCount()   ? QStringLiteral("Частично!")
                          : check_.first == check_.last ? QStringLiteral("Проверка - Да")
                                                        : QStringLiteral("Вероятно!");
    mode_ = RunMode::Review;
    current_ = 0;
}

} // namespace vorn
