#include "sheets_document.h"

#include "pdf_pages.h"

namespace vorn {

QByteArray SheetsDocument(const PrintPlan& plan) {
    PdfPages pages(QStringLiteral("%1 — листове за отговори").arg(plan.bankTitle));
    bool first = true;
    for (const PrintedSheet& sheet : plan.sheets) {
        if (!std::exchange(first, false)) pages.newPage();
        pages.beginMillimetres();
        PaintSheet(pages.painter(), SheetOf(plan, sheet));
        pages.painter().restore();
    }
    return pages.finish();
}

} // namespace vorn
