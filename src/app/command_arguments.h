#pragma once
// The command line as a program receives it, read the same way by the player
// and by the report's program.

#include "command_line.h"

#include <QTextStream>
#include <optional>

namespace vorn {

// argv as text, parsed. An argument that is not UTF-8 or a command line that
// is wrong is told on `err` with the usage lines, and gives none: the program
// then ends with kExitUsage.
std::optional<CommandLine> ReadCommandLine(int argc, char** argv, QTextStream& err);

} // namespace vorn
