#include "scan_pages.h"

#include "scan/sheet_scanner.h"

#include <algorithm>

namespace vorn {

namespace {

// A blank sheet whose number is still open is never taken for another:
// copies of it share the id.
bool WaitingForReview(const ToReview& review, const OpenSheet& sheet) {
    const auto key = sheet.key();
    return key && std::any_of(review.sheets.begin(), review.sheets.end(),
                              [&](const SheetToReview& s) { return s.sheet.key() == key; });
}

void ScanPage(const ScannedPage& page, SheetKeeper& keeper, ToReview& review, ScanCounts& counts,
              QTextStream& out, QTextStream& err) {
    const RowsOfSheet rows = [&keeper](const SheetCode& code) -> std::optional<std::vector<int>> {
        if (code.bankPrefix != BankPrefix(keeper.sha256())) return std::nullopt;
        return keeper.runs().optionCounts(code.seed);
    };
    SheetReading reading = ReadSheet(page, rows);
    const SheetMarking marking = MarkSheet(reading, keeper.sha256(), keeper.runs());
    if (marking.sheetProblem) {
        ++counts.unreadable;
        review.pages.push_back({page.source, *marking.sheetProblem,
                                reading.upright.isNull() ? page.image : reading.upright});
        return;
    }
    const OpenSheet sheet{*reading.code, page.source, marking.rows, marking.number};
    if (sheet.complete() || keeper.recorded(sheet)) return keeper.keep(sheet, counts, out, err);
    if (WaitingForReview(review, sheet)) { // scanned twice in one go
        ++counts.already;
        out << QStringLiteral("листът %1 вече е за преглед: %2\n")
                   .arg(sheet.code.sheetId, SheetCaption(sheet.code, sheet.source));
        return;
    }
    ++counts.toReview;
    review.sheets.push_back({sheet, std::move(reading.upright), reading.pixelsPerMm});
}

} // namespace

ToReview ScanPages(const QStringList& files, SheetKeeper& keeper, ScanCounts& counts,
                   QTextStream& out, QTextStream& err) {
    ToReview review;
    for (const QString& file : files) {
        // A page at a time: a long PDF at 300 dpi would not fit in memory whole.
        const auto why = ForEachScannedPage(file, [&](const ScannedPage& page) {
            ScanPage(page, keeper, review, counts, out, err);
        });
        if (why) {
            ++counts.unreadable;
            err << "vorn-player: " << file << ": " << *why << '\n';
        }
    }
    return review;
}

} // namespace vorn
