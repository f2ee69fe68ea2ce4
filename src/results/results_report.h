#pragma once
// The report over the figures of every bank: plain text for the terminal, or
// CSV for a spreadsheet (UTF-8, commas, a field with a comma, quote or line
// break in double quotes, a point before the decimals; one row per bank
// question, its bank's figures repeated on each).

#include "results_figures.h"

#include <QString>
#include <vector>

namespace vorn {

QString ReportText(const std::vector<BankFigures>& banks);
QString ReportCsv(const std::vector<BankFigures>& banks);

} // namespace vorn
