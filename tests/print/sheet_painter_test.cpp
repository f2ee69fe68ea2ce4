// The answer sheet as the scanner will meet it: its QR code reads back to
// the code it was printed from, the marks and bubbles stand where the
// layout says, and an empty bubble stays light.

#include "paper/sheet_layout.h"
#include "print/sheet_painter.h"

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <cmath>

namespace vorn {
namespace {

constexpr double kDpi = 150;
constexpr double kPxPerMm = kDpi / 25.4;

SheetCode BlankCode() {
    return {.bankPrefix = QStringLiteral("0123456789abcdef"),
            .variant = 3,
            .seed = 4000000123u,
            .sheetId = QStringLiteral("3fa9c2e1-7"),
            .student = std::nullopt};
}

SheetCode NamedCode(const QString& name) {
    SheetCode code = BlankCode();
    code.student = Student{name, QStringLiteral("7б"), QStringLiteral("12")};
    return code;
}

SheetContent Content(const SheetCode& code, std::vector<int> counts) {
    return {QStringLiteral("Дроби и десетични числа"), code.variant, code, std::move(counts)};
}

// Mean darkness (0 white, 1 black) of the pixels within `inner`..`outer`
// millimetres of `centre`.
double Darkness(const QImage& page, QPointF centre, double inner, double outer) {
    double sum = 0;
    int count = 0;
    const int reach = static_cast<int>(std::ceil(outer * kPxPerMm)) + 1;
    const QPoint c = (centre * kPxPerMm).toPoint();
    for (int y = c.y() - reach; y <= c.y() + reach; ++y) {
        for (int x = c.x() - reach; x <= c.x() + reach; ++x) {
            const double r =
                std::hypot(x + 0.5 - centre.x() * kPxPerMm, y + 0.5 - centre.y() * kPxPerMm) /
                kPxPerMm;
            if (r < inner || r > outer) continue;
            sum += 1.0 - page.constScanLine(y)[x] / 255.0;
            ++count;
        }
    }
    return count ? sum / count : 0;
}

std::vector<ZXing::Result> ReadCodes(const QImage& page) {
    const ZXing::ImageView view(page.constBits(), page.width(), page.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(page.bytesPerLine()));
    return ZXing::ReadBarcodes(view, ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::QRCode));
}

// Catches: a code written in another character set (a Cyrillic name comes
// back garbled), modules misplaced or without their quiet zone (nothing
// reads), a weaker error correction than M.
TEST(SheetPainter, QrCodeReadsBackToTheSheetsCode) {
    const QString longName = QStringLiteral("Александра-Веселина Христова-Константинова "
                                            "Стоянова-Първанова Щерева");
    for (const SheetCode& code : {BlankCode(), NamedCode(QStringLiteral("Иван Петров")),
                                  NamedCode(longName.left(kMaxStudentText))}) {
        const QImage page = RenderSheet(Content(code, {4, 4, 3}), kDpi);
        ASSERT_EQ(page.format(), QImage::Format_Grayscale8);
        const auto results = ReadCodes(page);
        ASSERT_EQ(results.size(), 1u) << SheetCodeText(code).toStdString();
        EXPECT_EQ(ParseSheetCode(QString::fromStdString(results[0].text())), code);
        const std::string level = results[0].ecLevel();
        EXPECT_TRUE(level == "M" || level == "Q") << level;
        // The whole code, quiet zone included, within its area.
        const QRectF area = SheetCodeArea();
        const auto corners = results[0].position();
        for (const auto& corner : {corners.topLeft(), corners.bottomRight()}) {
            EXPECT_GT(corner.x / kPxPerMm, area.left() + 1);
            EXPECT_LT(corner.x / kPxPerMm, area.right() - 1);
            EXPECT_GT(corner.y / kPxPerMm, area.top() + 1);
            EXPECT_LT(corner.y / kPxPerMm, area.bottom() - 1);
        }
    }
}

// Catches: a page scaled wrong (marks off their places), marks outlined
// instead of filled, a page that is not A4 at the resolution asked.
TEST(SheetPainter, CornerMarksAreFilledWhereTheLayoutPutsThem) {
    const QImage page = RenderSheet(Content(BlankCode(), {2}), kDpi);
    EXPECT_EQ(page.width(), 1240);  // 210 mm at 150 dpi
    EXPECT_EQ(page.height(), 1754); // 297 mm
    for (const QPointF& centre : CornerMarkCentres()) {
        EXPECT_GT(Darkness(page, centre, 0, kCornerMarkSideMm / 2 - 0.5), 0.97);
        // A ring around the mark, beyond its corners, is paper.
        EXPECT_LT(Darkness(page, centre, kCornerMarkSideMm * 0.75, kCornerMarkSideMm), 0.01);
    }
}

// Catches: bubbles printed for options a question does not have, or not
// printed for ones it has; a bubble's inside (letter included) too dark for
// the scanner to tell it from a filled one.
TEST(SheetPainter, EachRowHasOneLightBubblePerOption) {
    const std::vector<int> counts = {2, 3, 4, 5, 3, 2, 5, 4, 3, 2, 5, 4, 3, 2, 5, 4, 3};
    const QImage page = RenderSheet(Content(BlankCode(), counts), kDpi);
    for (int position = 0; position < static_cast<int>(counts.size()); ++position) {
        for (int letter = 0; letter < kSheetLetters; ++letter) {
            const QPointF centre = BubbleCentre(position, letter);
            const double ring =
                Darkness(page, centre, kBubbleRadiusMm - 0.3, kBubbleRadiusMm + 0.3);
            if (letter < counts[static_cast<std::size_t>(position)]) {
                EXPECT_GT(ring, 0.2) << position << ' ' << letter;
                EXPECT_LT(Darkness(page, centre, 0, kBubbleRadiusMm - 0.5), 0.15);
            } else {
                EXPECT_LT(ring, 0.01) << position << ' ' << letter;
            }
        }
    }
    // Rows past the run's last one stay empty.
    EXPECT_LT(Darkness(page, BubbleCentre(static_cast<int>(counts.size()), 0), 0, 4), 0.01);
}

// Catches: number bubbles missing on a blank sheet (the student could not
// give a number the scanner reads) or printed beside a printed name.
TEST(SheetPainter, NumberBubblesOnlyOnBlankSheets) {
    const QImage blank = RenderSheet(Content(BlankCode(), {3}), kDpi);
    const QImage named = RenderSheet(Content(NamedCode(QStringLiteral("Иван Петров")), {3}), kDpi);
    for (int column = 0; column < 2; ++column) {
        for (int digit = 0; digit <= 9; ++digit) {
            const QPointF centre = NumberBubbleCentre(column, digit);
            const double inner = kBubbleRadiusMm - 0.3, outer = kBubbleRadiusMm + 0.3;
            EXPECT_GT(Darkness(blank, centre, inner, outer), 0.2) << column << digit;
            EXPECT_LT(Darkness(blank, centre, 0, kBubbleRadiusMm - 0.5), 0.15);
            EXPECT_LT(Darkness(named, centre, inner, outer), 0.01) << column << digit;
        }
    }
}

// Catches: a run longer than a sheet drawn past its last row.
TEST(SheetPainter, RefusesMoreRowsThanASheetHolds) {
    const std::vector<int> counts(static_cast<std::size_t>(kSheetRows) + 1, 4);
    EXPECT_THROW(RenderSheet(Content(BlankCode(), counts), 50), std::length_error);
}

} // namespace
} // namespace vorn
