#pragma once
// --report: the report over one or more results files; needs no display.

#include "command_line.h"

#include <QTextStream>

namespace vorn {

// Reads the records, computes the figures once and writes them as asked:
// text on `out` (or into --output), the CSV tables into a folder, one HTML
// page or one workbook, each file whole or not at all; a written file's path
// is told on `out`. Files that cannot be read, lines that are not records
// and a bank that matches no record are told on `err`. kExitOk when at least
// one record was read and everything was written, else kExitRefused.
int ReportCommand(const ReportRequest& request, QTextStream& out, QTextStream& err);

} // namespace vorn
