#pragma once
// Processor time in milliseconds: the whole process's (its ended threads
// included), or with CLOCK_THREAD_CPUTIME_ID the calling thread's alone.

#include <ctime>

namespace vorn::bench {

inline double ProcessorMs(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID) {
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace vorn::bench
