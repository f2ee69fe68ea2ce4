#pragma once
// Runs `work` while files may grow to `bytes` at most, as on a full disk: a
// write past it is cut short instead of ending the process.

#include <csignal>
#include <sys/resource.h>

namespace vorn::test {

template <typename Work> auto WithFileSizeLimit(rlim_t bytes, Work work) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    auto result = work();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    return result;
}

} // namespace vorn::test
