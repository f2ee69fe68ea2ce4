#pragma once
// The teacher's report is made by a program of its own, vorn-report, so that
// the player, which every pupil starts, neither links nor loads the workbook
// writer and the libraries it brings. `vorn-player --report ...` hands its
// whole command line to that program, which answers as the player would.

#include <QTextStream>

namespace vorn {

// Replaces this process with the report's program, given `argv` as it is:
// from where it is installed relative to the player (in the package,
// /usr/libexec/vorn-player/vorn-report), else from beside the player (the
// build tree). Returns only when neither could be started: kExitFault, told
// on `err`.
int RunReportProgram(char** argv, QTextStream& err);

} // namespace vorn
