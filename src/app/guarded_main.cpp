#include "guarded_main.h"

#include "platform/exit_status.h"

#include <cstdio>
#include <exception>

namespace vorn {

int RunGuarded(const std::function<int()>& run) {
    try {
        return run();
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "vorn-player: вътрешна грешка: %s\n", fault.what());
    } catch (...) {
        std::fprintf(stderr, "vorn-player: вътрешна грешка\n");
    }
    return kExitFault;
}

} // namespace vorn
