#include "review_in_window.h"

#include "review_window.h"

namespace vorn {

bool ReviewWindowPossible() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

ToReview ReviewInWindow(const ToReview& review, SheetKeeper& keeper, ScanCounts& counts,
                        QTextStream& out, QTextStream& err) {
    std::vector<OpenSheet> sheets;
    std::vector<std::vector<int>> optionCounts;
    for (const SheetToReview& s : review.sheets) {
        sheets.push_back(s.sheet);
        optionCounts.push_back(keeper.runs().optionCounts(s.sheet.code.seed));
    }
    ReviewQueue queue(sheets, optionCounts, static_cast<int>(review.pages.size()));
    ReviewWindow window(review, queue);
    window.exec();
    for (const OpenSheet& sheet : queue.decided()) {
        --counts.toReview;
        keeper.keep(sheet, counts, out, err);
    }
    ToReview left;
    // By place, not by id: the copies of a blank sheet share one.
    for (std::size_t i = 0; i < review.sheets.size(); ++i) {
        const OpenSheet& sheet = queue.sheet(static_cast<int>(i));
        if (!sheet.complete())
            left.sheets.push_back({sheet, review.sheets[i].upright, review.sheets[i].pixelsPerMm});
    }
    return left;
}

} // namespace vorn
