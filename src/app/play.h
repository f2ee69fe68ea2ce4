#pragma once
// Playing a test in the window: the bank is read and checked first, so that
// one that cannot be played is refused before anything needs a display; then
// the window opens with the run started.

#include "command_line.h"

namespace vorn {

int Play(int& argc, char** argv, const CommandLine& line);

} // namespace vorn
