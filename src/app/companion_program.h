#pragma once
// The teacher's report and the paper tests are made by programs of their own
// (vorn-report, vorn-paper), so that the player, which every pupil starts,
// neither links nor loads the workbook writer, the scanner and the libraries
// they bring. `vorn-player --report ...` (or --print, --scan, --scan-decide)
// hands its whole command line to that program, which answers as the player
// would.

#include <QTextStream>

namespace vorn {

enum class Companion { Report, Paper };

// Replaces this process with the companion's program, given `argv` as it is:
// from where it is installed relative to the player (in the package,
// /usr/libexec/vorn-player/), else from beside the player (the build tree).
// Returns only when neither could be started: kExitFault, told on `err`.
int RunCompanionProgram(Companion companion, char** argv, QTextStream& err);

} // namespace vorn
