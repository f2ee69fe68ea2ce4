#include "answer_list.h"

namespace vorn {

AnswerList::AnswerList(std::initializer_list<AnswerRecord> answers) {
    reserve(answers.size());
    for (const AnswerRecord& answer : answers)
        push_back(answer);
}

void AnswerList::clear() {
    answers_.clear();
    holders_.clear();
}

void AnswerList::push_back(AnswerRecord answer) {
    auto own = std::make_shared<const AnswerRecord>(std::move(answer));
    answers_.push_back(own.get());
    holders_.push_back(std::move(own));
}

void AnswerList::push_back(const AnswerRecord& answer, const std::shared_ptr<const void>& holder) {
    answers_.push_back(&answer);
    // A record's answers mostly come from one holder: kept once.
    if (holders_.empty() || holders_.back() != holder) holders_.push_back(holder);
}

AnswerRecord& AnswerList::changed(std::size_t i) {
    auto own = std::make_shared<AnswerRecord>(*answers_.at(i));
    answers_[i] = own.get();
    holders_.push_back(own);
    return *own;
}

} // namespace vorn
