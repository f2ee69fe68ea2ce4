#pragma once
// The last guard of a program's main: an exception that nothing else caught
// is told as an internal fault instead of ending the program with terminate.

#include <functional>

namespace vorn {

// run()'s status, or kExitFault after telling the fault on standard error.
int RunGuarded(const std::function<int()>& run);

} // namespace vorn
