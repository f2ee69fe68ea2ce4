#pragma once
// --report: the report over one or more results files; needs no display.

#include "command_line.h"

#include <QTextStream>

namespace vorn {

// The report goes to `out`; files that cannot be read and lines that are not
// records are told on `err`. kExitOk when at least one record was read, else
// kExitRefused.
int ReportCommand(const QStringList& paths, ReportFormat format, QTextStream& out,
                  QTextStream& err);

} // namespace vorn
