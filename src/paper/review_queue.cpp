#include "review_queue.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace vorn {

ReviewQueue::ReviewQueue(std::vector<OpenSheet> sheets,
                         const std::vector<std::vector<int>>& optionCounts, int pages)
    : sheets_(std::move(sheets)) {
    for (std::size_t s = 0; s < sheets_.size(); ++s) {
        const int index = static_cast<int>(s);
        for (std::size_t p = 0; p < sheets_[s].rows.size(); ++p)
            if (sheets_[s].rows[p].open())
                items_.push_back({ReviewItem::Kind::Row, index, static_cast<int>(p),
                                  optionCounts.at(s).at(p), false});
        if (sheets_[s].number && sheets_[s].number->open())
            items_.push_back({ReviewItem::Kind::Number, index, 0, 0, false});
    }
    for (int page = 0; page < pages; ++page)
        items_.push_back({ReviewItem::Kind::Page, page, 0, 0, false});
}

void ReviewQueue::decideAndMove() {
    items_[static_cast<std::size_t>(current_)].decided = true;
    forward();
}

bool ReviewQueue::decide(std::optional<int> slot) {
    if (finished() || current().kind != ReviewItem::Kind::Row) return false;
    if (slot && (*slot < 0 || *slot >= current().options)) return false;
    sheets_[static_cast<std::size_t>(current().index)]
        .rows[static_cast<std::size_t>(current().row)] = RowMark{slot, std::nullopt};
    decideAndMove();
    return true;
}

bool ReviewQueue::decideNumber(int number) {
    if (finished() || current().kind != ReviewItem::Kind::Number || number < 1 || number > 99)
        return false;
    sheets_[static_cast<std::size_t>(current().index)].number = NumberMark{number, std::nullopt};
    decideAndMove();
    return true;
}

bool ReviewQueue::pass() {
    if (finished() || current().kind != ReviewItem::Kind::Page) return false;
    decideAndMove();
    return true;
}

void ReviewQueue::forward() {
    current_ = std::min(current_ + 1, count());
}

void ReviewQueue::back() {
    current_ = std::max(current_ - 1, 0);
}

std::vector<OpenSheet> ReviewQueue::decided() const {
    std::vector<OpenSheet> done;
    std::copy_if(sheets_.begin(), sheets_.end(), std::back_inserter(done),
                 std::mem_fn(&OpenSheet::complete));
    return done;
}

std::vector<OpenSheet> ReviewQueue::open() const {
    std::vector<OpenSheet> left;
    std::copy_if(sheets_.begin(), sheets_.end(), std::back_inserter(left),
                 [](const OpenSheet& sheet) { return !sheet.complete(); });
    return left;
}

} // namespace vorn
