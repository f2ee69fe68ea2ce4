// The sheet's geometry: a change that puts a bubble on text, on another
// bubble or where a printer cannot print would make sheets unreadable, and
// nothing else would notice before a class had filled them in.

#include "paper/sheet_layout.h"

#include <QRectF>
#include <gtest/gtest.h>
#include <vector>

namespace vorn {
namespace {

// A printer leaves about 5 mm of every edge white.
constexpr double kPrinterMarginMm = 5.0;

QRectF AroundBubble(QPointF centre) {
    const double r = kBubbleRadiusMm + 0.5; // the outline and a hair of paper
    return {centre.x() - r, centre.y() - r, 2 * r, 2 * r};
}

QRectF AroundMark(QPointF centre) {
    const double half = kCornerMarkSideMm / 2;
    return {centre.x() - half, centre.y() - half, kCornerMarkSideMm, kCornerMarkSideMm};
}

TEST(SheetLayout, NothingOverlapsAndEverythingIsPrintable) {
    std::vector<std::pair<std::string, QRectF>> parts;
    for (int p = 0; p < kSheetRows; ++p)
        for (int letter = 0; letter < kSheetLetters; ++letter)
            parts.push_back({"bubble " + std::to_string(p) + "/" + std::to_string(letter),
                             AroundBubble(BubbleCentre(p, letter))});
    for (int column = 0; column < 2; ++column)
        for (int digit = 0; digit < 10; ++digit)
            parts.push_back({"number " + std::to_string(column) + "/" + std::to_string(digit),
                             AroundBubble(NumberBubbleCentre(column, digit))});
    for (const QPointF& centre : CornerMarkCentres())
        parts.push_back({"corner mark", AroundMark(centre)});
    parts.push_back({"code", SheetCodeArea()});
    parts.push_back({"heading", HeadingArea()});
    parts.push_back({"student", StudentArea()});
    parts.push_back({"instructions", InstructionsArea()});

    const QRectF printable(kPrinterMarginMm, kPrinterMarginMm, kPageWidthMm - 2 * kPrinterMarginMm,
                           kPageHeightMm - 2 * kPrinterMarginMm);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(printable.contains(parts[i].second)) << parts[i].first;
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(parts[i].second.intersects(parts[j].second))
                << parts[i].first << " and " << parts[j].first;
    }
    // Each row's number is written left of its first bubble, clear of the
    // column before it.
    for (int p = 0; p < kSheetRows; ++p)
        for (const auto& [name, rect] : parts)
            EXPECT_FALSE(rect.contains(RowLabelAnchor(p))) << p << " inside " << name;
}

} // namespace
} // namespace vorn
