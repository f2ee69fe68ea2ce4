#include "scan_pages.h"

#include "scan/sheet_scanner.h"

#include <algorithm>

namespace vorn {

namespace {

bool WaitingForReview(const ToReview& review, const QString& sheetId) {
    return std::any_of(review.sheets.begin(), review.sheets.end(),
                       [&](const SheetToReview& s) { return s.sheet.code.sheetId == sheetId; });
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
    if (sheet.complete() || keeper.recorded(sheet.code.sheetId))
        return keeper.keep(sheet, counts, out, err);
    if (WaitingForReview(review, sheet.code.sheetId)) { // scanned twice in one go
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
        auto pages = LoadScannedPages(file);
        if (const auto* why = std::get_if<QString>(&pages)) {
            ++counts.unreadable;
            err << "vorn-player: " << file << ": " << *why << '\n';
            continue;
        }
        for (const ScannedPage& page : std::get<std::vector<ScannedPage>>(pages))
            ScanPage(page, keeper, review, counts, out, err);
    }
    return review;
}

} // namespace vorn
