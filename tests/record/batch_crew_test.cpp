// The crew that parses a results file's lines on every core.

#include "record/batch_crew.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <vector>

using namespace vorn;

// The faults caught: an item of a batch left out or worked twice (shares
// that overlap or leave a gap, for sizes that do not divide evenly), a
// batch handed out before the last one is done, a share that throws ending
// the program instead of reaching the caller.
TEST(BatchCrew, EveryItemOfEveryBatchIsWorkedOnceAndAFailureReachesTheCaller) {
    for (const std::size_t threads : {1u, 2u, 3u}) {
        BatchCrew crew(threads);
        for (const std::size_t items : {0u, 1u, 2u, 5u, 1000u}) {
            SCOPED_TRACE(testing::Message() << threads << " threads, " << items << " items");
            std::vector<std::atomic<int>> worked(items);
            for (int batch = 0; batch < 3; ++batch) {
                crew.start(items, [&worked](std::size_t from, std::size_t to) {
                    for (std::size_t i = from; i < to; ++i)
                        ++worked[i];
                });
                crew.wait();
            }
            for (std::size_t i = 0; i < items; ++i)
                ASSERT_EQ(worked[i].load(), 3) << i;
        }
        crew.start(4, [](std::size_t from, std::size_t) {
            if (from == 0) throw std::bad_alloc();
        });
        EXPECT_THROW(crew.wait(), std::bad_alloc);
        std::atomic<int> after = 0;
        crew.start(2, [&after](std::size_t from, std::size_t to) { after += int(to - from); });
        crew.wait();
        EXPECT_EQ(after.load(), 2);
    }
}
