#pragma once
// What a scan leaves for a person: sheets with open rows, and pages that
// are no sheet of the test being marked.

#include "paper/open_sheet.h"

#include <QImage>
#include <vector>

namespace vorn {

struct SheetToReview {
    OpenSheet sheet;
    QImage upright; // to cut its rows from
    double pixelsPerMm = 0;
};

struct PageNotRead {
    ScanSource source;
    QString problem; // Bulgarian
    QImage image;    // the page, upright where it could be turned
};

struct ToReview {
    std::vector<SheetToReview> sheets;
    std::vector<PageNotRead> pages;
    bool empty() const { return sheets.empty() && pages.empty(); }
};

} // namespace vorn
