#pragma once
// Waiting for a state, not for a time: a loaded machine stretches every
// sleep, and a state that comes early should not wait for one.

#include <chrono>
#include <functional>
#include <thread>

namespace vorn::test {

// Asks `done` every 5 ms until it says yes (true) or `limit` has passed (false).
inline bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace vorn::test
