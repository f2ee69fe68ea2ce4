#pragma once
// The report's three tables, as the CSV files and the workbook's sheets hold
// them: students, questions and options, one row each, every bank's rows in
// one table with its title and fingerprint. Percentages have two decimals;
// yes and no are 1 and 0; a figure that is not defined is an empty cell.

#include "results_figures.h"

#include <QString>
#include <vector>

namespace vorn {

// How a CSV file is written: for a Bulgarian spreadsheet (";" between the
// cells, a decimal comma, the columns' Bulgarian labels) or for programs
// ("," and a decimal point, the columns' fixed English names).
enum class CsvLocale { C, Bulgarian };

struct Cell {
    QString text;                 // the cell, when it holds no number
    std::optional<double> number; // written as a number
    int decimals = 0;
};

inline Cell TextCell(const QString& text) {
    return {.text = text, .number = {}, .decimals = 0};
}

struct Column {
    QString id;     // the CSV header for programs: a fixed English name
    QString label;  // the header for the teacher: the workbook's, the Bulgarian CSV's
    int width = 10; // in characters, in the workbook
};

struct Table {
    QString name;  // "students": students.csv
    QString sheet; // "Ученици"
    std::vector<Column> columns;
    std::vector<std::vector<Cell>> rows;
};

// A column of seconds: a duration to a spreadsheet, which shows it as one
// (m:ss in the workbook, h:mm:ss in the Bulgarian CSV); seconds to programs.
bool IsDurationColumn(const Column& column);

// Students, questions, options; before them the notes (questions voided,
// keys corrected) when there are any.
std::vector<Table> ReportTables(const std::vector<BankFigures>& banks);

} // namespace vorn
