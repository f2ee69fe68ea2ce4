#pragma once
// sheets.pdf: the answer sheets of a print, one a page, in its order.

#include "print_plan.h"

#include <QByteArray>

namespace vorn {

QByteArray SheetsDocument(const PrintPlan& plan);

} // namespace vorn
