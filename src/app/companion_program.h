#pragma once
// The teacher's report and the paper tests are made by programs of their own
// (vorn-report, vorn-paper), so that the player, which every pupil starts,
// neither links nor loads the workbook writer, the scanner and the libraries
// they bring. `vorn-player --report ...` (or --print, --scan, --scan-decide)
// hands its whole command line to that program, which answers as the player
// would.

#include <QTextStream>

#include <string>
#include <vector>

namespace vorn {

enum class Companion { Report, Paper };

// The environment the report's program is started in: `environment` (as
// `environ` holds it) with glibc's allocator told to back the heap with huge
// pages (GLIBC_TUNABLES glibc.malloc.hugetlb=1), unless it already says how.
// A report over many records fills tens of megabytes of fresh heap, and the
// first touch of each 4 KB page costs a fault; a huge page takes 2 MB at one.
std::vector<std::string> ReportEnvironment(const char* const* environment);

// Replaces this process with the companion's program, given `argv` as it is
// (the report's in ReportEnvironment, the paper tests' in this one's):
// from where it is installed relative to the player (in the package,
// /usr/libexec/vorn-player/), else from beside the player (the build tree).
// Returns only when neither could be started: kExitFault, told on `err`.
int RunCompanionProgram(Companion companion, char** argv, QTextStream& err);

} // namespace vorn
