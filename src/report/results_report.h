#pragma once
// The report over the figures of every bank, in each format; all of them are
// written from the same figures (results_figures.h).
//
// text: for the terminal, Bulgarian, with a decimal comma; per bank the
//   attempts and the percentage's distribution, the students with their
//   marks, the test's statistics, then the questions from the hardest, with
//   their options and flags.
// csv: one file per table (report_tables.h), UTF-8 with a BOM, no thousands
//   separator, one header row; in the form CsvLocale names.
// html: one page with nothing outside it: the students with their marks, a
//   histogram of the marks, facility against discrimination, and every
//   question's options as bars; charts are inline SVG with text labels.
// xlsx: the three tables as the sheets of one workbook, laid out for printing
//   (workbook_layout.h) with the tests on a sheet of their own, numbers as
//   numbers and times as durations.

#include "report_tables.h"
#include "results_figures.h"

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

namespace vorn {

QString ReportText(const std::vector<BankFigures>& banks);

// A cell that a spreadsheet would take for a formula (it begins with =, +,
// -, @, a tab or a carriage return) gets an apostrophe before it and is
// quoted, so that it shows as text and is never run.
QByteArray TableCsv(const Table& table, CsvLocale locale = CsvLocale::C);

QByteArray ReportHtml(const std::vector<BankFigures>& banks);

// The bytes of the .xlsx file, or why it could not be made (Bulgarian).
std::variant<QByteArray, QString> ReportWorkbook(const std::vector<Table>& tables);

} // namespace vorn
