#include "batch_crew.h"

#include <algorithm>
#include <utility>

namespace vorn {

BatchCrew::BatchCrew(std::size_t threads) {
    const std::size_t count = std::max<std::size_t>(threads, 1);
    members_.reserve(count);
    for (std::size_t member = 0; member < count; ++member)
        members_.emplace_back([this, member] { serve(member); });
}

BatchCrew::~BatchCrew() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    started_.notify_all();
    members_.clear(); // joins
}

void BatchCrew::start(std::size_t items, Work work) {
    {
        const std::lock_guard lock(mutex_);
        work_ = std::move(work);
        items_ = items;
        busy_ = members_.size();
        ++batch_;
    }
    started_.notify_all();
}

void BatchCrew::wait() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return busy_ == 0; });
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void BatchCrew::serve(std::size_t member) {
    unsigned long done = 0;
    for (;;) {
        std::size_t items = 0;
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return closing_ || batch_ != done; });
            if (closing_) return;
            done = batch_;
            items = items_;
        }
        // Contiguous shares keep each member's items together in memory.
        const std::size_t share = (items + members_.size() - 1) / members_.size();
        const std::size_t from = std::min(items, member * share);
        const std::size_t to = std::min(items, from + share);
        std::exception_ptr failure;
        try {
            if (from < to) work_(from, to);
        } catch (...) {
            failure = std::current_exception();
        }
        {
            const std::lock_guard lock(mutex_);
            if (failure && !failure_) failure_ = failure;
            if (--busy_ > 0) continue;
        }
        finished_.notify_all();
    }
}

} // namespace vorn
