#include "answer_pool.h"

namespace vorn {

void AnswerPool::renew() {
    store_ = std::make_shared<Store>();
    store_->answers.reserve(kAnswers);
    holder_ = store_;
    known_.clear();
}

bool AnswerPool::add(std::string_view json, Reader read, AnswerList& list) {
    // No text is no answer; it would also match a place that holds none.
    if (json.empty()) return false;
    if (json.size() > kMaxTextBytes) {
        std::optional<AnswerRecord> answer = read(json);
        if (answer) list.push_back(std::move(*answer));
        return answer.has_value();
    }
    if (!store_ || store_->answers.size() == kAnswers) renew();
    const AnswerRecord* const* known = known_.get(json, [&](std::string_view text) {
        std::optional<AnswerRecord> answer = read(text);
        return answer ? std::optional(&store_->answers.emplace_back(std::move(*answer)))
                      : std::nullopt;
    });
    if (!known) return false;
    list.push_back(**known, holder_);
    return true;
}

} // namespace vorn
