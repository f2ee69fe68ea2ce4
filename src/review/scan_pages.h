#pragma once
// Every page of the scanned files read and marked: complete sheets recorded
// at once, the rest kept for review.

#include "sheet_keeper.h"
#include "sheets_to_review.h"

#include <QStringList>

namespace vorn {

ToReview ScanPages(const QStringList& files, SheetKeeper& keeper, ScanCounts& counts,
                   QTextStream& out, QTextStream& err);

} // namespace vorn
