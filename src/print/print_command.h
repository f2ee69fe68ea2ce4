#pragma once
// `vorn-player --print`: variants.pdf, sheets.pdf and key.pdf of a bank.

#include "paper/paper_requests.h"

#include <QTextStream>

namespace vorn {

// The exit status; what went wrong is told on `err`, what was written on `out`.
int PrintCommand(const PrintRequest& request, QTextStream& out, QTextStream& err);

} // namespace vorn
