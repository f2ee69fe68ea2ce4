#pragma once
// A fixed crew of threads that work through one batch at a time, each on its
// own share of it, while the thread that started the batch goes on with
// something else. The threads live as long as the crew, so what they keep per
// thread (a parser, a cache of decoded texts) lasts from batch to batch.

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vorn {

class BatchCrew {
public:
    // Work on the items [from, to) of the current batch.
    using Work = std::function<void(std::size_t from, std::size_t to)>;

    explicit BatchCrew(std::size_t threads);
    ~BatchCrew();
    BatchCrew(const BatchCrew&) = delete;
    BatchCrew& operator=(const BatchCrew&) = delete;

    // Shares `items` among the crew and returns at once; one batch at a time.
    void start(std::size_t items, Work work);
    // Returns when every share of the batch started last is done; throws
    // what a share threw (out of memory), as a call on this thread would.
    void wait();

private:
    void serve(std::size_t member);

    std::mutex mutex_;
    std::condition_variable started_, finished_;
    Work work_;
    std::size_t items_ = 0;
    unsigned long batch_ = 0; // counts the batches started
    std::size_t busy_ = 0;    // members still at the current batch
    bool closing_ = false;
    std::exception_ptr failure_; // of the current batch
    std::vector<std::jthread> members_;
};

} // namespace vorn
