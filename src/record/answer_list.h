#pragma once
// A record's answers, in order. An answer in a list never changes: the
// records read from one file share the answers they have in common (the same
// twenty questions answered the same few ways), so that reading a record
// neither copies nor frees an answer's texts. A list keeps alive whatever
// holds its answers; a copy of a list shares them.

#include "answer_record.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

namespace vorn {

class AnswerList {
public:
    // Reads the answers as a vector's iterator would: each is an AnswerRecord.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = AnswerRecord;
        using difference_type = std::ptrdiff_t;
        using pointer = const AnswerRecord*;
        using reference = const AnswerRecord&;

        const_iterator() = default;
        explicit const_iterator(const AnswerRecord* const* at) : at_(at) {}
        reference operator*() const { return **at_; }
        pointer operator->() const { return *at_; }
        const_iterator& operator++() { return ++at_, *this; }
        const_iterator operator++(int) { return const_iterator(at_++); }
        bool operator==(const const_iterator&) const = default;

    private:
        const AnswerRecord* const* at_ = nullptr;
    };
    using value_type = AnswerRecord;
    using size_type = std::size_t;

    AnswerList() = default;
    AnswerList(std::initializer_list<AnswerRecord> answers);

    std::size_t size() const { return answers_.size(); }
    bool empty() const { return answers_.empty(); }
    const AnswerRecord& operator[](std::size_t i) const { return *answers_[i]; }
    const AnswerRecord& front() const { return *answers_.front(); }
    const AnswerRecord& back() const { return *answers_.back(); }
    const_iterator begin() const { return const_iterator(answers_.data()); }
    const_iterator end() const { return const_iterator(answers_.data() + answers_.size()); }

    void reserve(std::size_t count) { answers_.reserve(count); }
    void clear();
    // An answer of the list's own.
    void push_back(AnswerRecord answer);
    // An answer that `holder` keeps alive; the list keeps the holder.
    void push_back(const AnswerRecord& answer, const std::shared_ptr<const void>& holder);
    // The answer at `i` to change: first made the list's own, so that no
    // other list sharing it sees the change.
    AnswerRecord& changed(std::size_t i);

private:
    std::vector<const AnswerRecord*> answers_;
    std::vector<std::shared_ptr<const void>> holders_; // a few: one per pool or own answer
};

} // namespace vorn
