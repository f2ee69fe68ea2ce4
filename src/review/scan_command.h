#pragma once
// `vorn-player --scan` and `--scan-decide`: scanned answer sheets marked into
// the results file, the sheets a scan leaves open decided by the teacher.

#include "paper/paper_requests.h"

#include <QTextStream>

namespace vorn {

// The exit status; what went wrong is told on `err`, what was done on `out`.
int ScanCommand(const ScanRequest& request, QTextStream& out, QTextStream& err);
int ScanDecideCommand(const ScanDecideRequest& request, QTextStream& out, QTextStream& err);

} // namespace vorn
