#pragma once
// The report's tables as the workbook lays them out for a teacher who prints
// them: a row's own columns first and, instead of every row's test title and
// 64-digit fingerprint, the test's number, named on a last sheet "Тестове";
// a class number or a question's id that is a whole number is a number.

#include "report_tables.h"

#include <vector>

namespace vorn {

std::vector<Table> WorkbookTables(const std::vector<Table>& tables);

} // namespace vorn
