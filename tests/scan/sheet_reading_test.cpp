// Reading printed sheets filled in and scanned: the same readings whatever
// way up and however askew the page lies, every kind of mark read as what
// it is, and a page that cannot be read saying why instead of reading as
// an empty sheet.

#include "paper/sheet_layout.h"
#include "print/sheet_painter.h"
#include "scan/sheet_scanner.h"
#include "support/synthetic_scan.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace vorn {
namespace {

using test::MarkKind;
constexpr double kSheetDpi = 150;

SheetCode Code(bool withStudent) {
    SheetCode code{QStringLiteral("0123456789abcdef"), 2, 77u, QStringLiteral("3fa9c2e1-07"), {}};
    if (withStudent)
        code.student =
            Student{QStringLiteral("Мария Петрова"), QStringLiteral("7б"), QStringLiteral("12")};
    return code;
}

const std::vector<int> kOptions{5, 4, 3, 2, 5, 4, 3, 5, 5, 4, 2, 3, 5, 4, 3, 5, 4};

// Every kind of mark, each more than once, over the rows.
test::StudentMarks Marks() {
    const MarkKind kinds[] = {MarkKind::Filled,      MarkKind::Correction, MarkKind::LightFill,
                              MarkKind::Tick,        MarkKind::Cross,      MarkKind::StrayDot,
                              MarkKind::EraseSmudge, MarkKind::None};
    test::StudentMarks marks;
    for (std::size_t row = 0; row < kOptions.size(); ++row) {
        marks.rows.emplace_back(kOptions[row], MarkKind::None);
        marks.rows[row][row % kOptions[row]] = kinds[row % std::size(kinds)];
        if (row % 3 == 0) marks.rows[row][(row + 1) % kOptions[row]] = MarkKind::Filled;
    }
    return marks;
}

QImage SheetImage(const SheetCode& code) {
    return RenderSheet(SheetContent{QStringLiteral("Дроби"), code.variant, code, kOptions},
                       kSheetDpi);
}

SheetReading ReadPage(const QImage& page, const SheetCode& expected) {
    return ReadSheet({{QStringLiteral("scan.png"), 1}, page},
                     [&](const SheetCode& code) -> std::optional<std::vector<int>> {
                         if (code.bankPrefix != expected.bankPrefix) return std::nullopt;
                         return kOptions;
                     });
}

std::vector<std::vector<BubbleState>> States(const std::vector<RowReading>& rows) {
    std::vector<std::vector<BubbleState>> states;
    for (const RowReading& row : rows) {
        states.emplace_back();
        for (const BubbleReading& bubble : row.bubbles)
            states.back().push_back(bubble.state);
    }
    return states;
}

// Faults: the way up taken from the wrong corner (rows read mirrored or
// from the bottom); bubbles missed on a crooked page; a smudged mark failing
// the whole sheet; a black-and-white copy's hard edges read as ink; a
// printed letter read as a tick; a correction read as a mark.
TEST(SheetReading, EveryWayUpAndAskewReadsWhatTheStudentDid) {
    struct Case {
        const char* name;
        test::ScanDistortions distortions;
    };
    const Case cases[] = {
        {"upright", {}},
        {"quarter turn, 5 degrees", {.quarterTurns = 1, .skewDegrees = 5}},
        {"upside down, -5 degrees, noise", {.quarterTurns = 2, .skewDegrees = -5, .noiseSigma = 8}},
        {"three quarters, JPEG", {.quarterTurns = 3, .skewDegrees = 2, .jpegQuality = 50}},
        {"black and white, smudged mark",
         {.skewDegrees = -3, .blackAndWhite = true, .cornerSmudge = true}},
    };
    const SheetCode code = Code(true);
    const QImage printed = SheetImage(code);
    for (const Case& c : cases) {
        const auto scan = test::MakeSyntheticScan(printed, kSheetDpi, Marks(), c.distortions, 41);
        const SheetReading reading = ReadPage(scan.image, code);
        ASSERT_TRUE(reading.code) << c.name << ": " << reading.codeProblem.toStdString();
        EXPECT_EQ(*reading.code, code) << c.name;
        EXPECT_EQ(States(reading.rows), scan.rows) << c.name;
        EXPECT_TRUE(reading.numberColumns.empty()) << c.name << ": the student is printed";
    }
}

// Fault: a sheet with one mark gone (torn, covered by a thumb) refused, or
// read through a misplaced mark: each corner in turn is blanked out.
TEST(SheetReading, ThreeMarksAreEnough) {
    const SheetCode code = Code(true);
    const QImage printed = SheetImage(code);
    for (int hidden = 0; hidden < 4; ++hidden) {
        QImage page = printed;
        {
            QPainter painter(&page);
            painter.scale(kSheetDpi / 25.4, kSheetDpi / 25.4);
            const QPointF centre = CornerMarkCentres()[hidden];
            painter.fillRect(QRectF(centre - QPointF(6, 6), QSizeF(12, 12)), Qt::white);
        }
        const auto scan = test::MakeSyntheticScan(page, kSheetDpi, Marks(),
                                                  {.quarterTurns = hidden, .skewDegrees = 4}, 3);
        const SheetReading reading = ReadPage(scan.image, code);
        ASSERT_TRUE(reading.code) << hidden << ": " << reading.codeProblem.toStdString();
        EXPECT_EQ(States(reading.rows), scan.rows) << "mark " << hidden << " hidden";
    }
}

// Fault: a blank sheet's class number not read, or read from the wrong
// bubbles (a digit off, tens for units).
TEST(SheetReading, BlankSheetsClassNumberIsRead) {
    test::StudentMarks marks = Marks();
    marks.numberColumns.assign(2, std::vector<MarkKind>(10, MarkKind::None));
    marks.numberColumns[0][2] = MarkKind::Filled;
    marks.numberColumns[1][7] = MarkKind::Filled;
    const SheetCode code = Code(false);
    const auto scan =
        test::MakeSyntheticScan(SheetImage(code), kSheetDpi, marks, {.quarterTurns = 2}, 5);
    const SheetReading reading = ReadPage(scan.image, code);
    ASSERT_TRUE(reading.code) << reading.codeProblem.toStdString();
    ASSERT_EQ(reading.numberColumns.size(), 2u);
    for (int column = 0; column < 2; ++column)
        for (int digit = 0; digit < 10; ++digit) {
            const bool filled = digit == (column == 0 ? 2 : 7);
            EXPECT_EQ(reading.numberColumns[column].bubbles[digit].state,
                      filled ? BubbleState::Marked : BubbleState::Empty)
                << column << " " << digit;
        }
}

// Fault: the review cut from a page still turned or at another scale:
// the sheet's top left mark must be at its place on the upright page.
TEST(SheetReading, UprightPageIsTheSheetHeldUpright) {
    const SheetCode code = Code(true);
    const auto scan = test::MakeSyntheticScan(SheetImage(code), kSheetDpi, Marks(),
                                              {.quarterTurns = 1, .skewDegrees = -4}, 9);
    const SheetReading reading = ReadPage(scan.image, code);
    ASSERT_FALSE(reading.upright.isNull());
    const double ppm = reading.pixelsPerMm;
    EXPECT_EQ(reading.upright.size(), QSize(int(210 * ppm + 0.5), int(297 * ppm + 0.5)));
    const auto greyAt = [&](double xMm, double yMm) {
        return qGray(reading.upright.pixel(int(xMm * ppm), int(yMm * ppm)));
    };
    // The marks' centres (16 mm in from the sides), and paper 5 mm beside them.
    EXPECT_LT(greyAt(16, 16), 80);
    EXPECT_LT(greyAt(194, 281), 80);
    EXPECT_GT(greyAt(16, 26), 200);
    EXPECT_GT(greyAt(26, 281), 200);
}

// Faults: a page that cannot be read recorded as a sheet with no answers;
// another bank's sheet marked against this bank's key.
TEST(SheetReading, UnreadablePagesHaveNoRowsAndSayWhy) {
    const SheetCode code = Code(true);
    const QImage printed = SheetImage(code);
    QImage noCode = printed;
    {
        QPainter painter(&noCode);
        painter.scale(kSheetDpi / 25.4, kSheetDpi / 25.4);
        painter.fillRect(SheetCodeArea(), Qt::white);
    }
    QImage blank(printed.size(), QImage::Format_Grayscale8);
    blank.fill(Qt::white);
    SheetCode otherBank = code;
    otherBank.bankPrefix = QStringLiteral("fedcba9876543210");
    struct Case {
        const char* name;
        QImage page;
        QString says;
    };
    const Case cases[] = {
        {"no QR code", noCode, QStringLiteral("QR кодът на листа не може да бъде прочетен")},
        {"no marks", blank, QStringLiteral("Ъгловите квадрати")},
        {"another bank", SheetImage(otherBank), QStringLiteral("друга банка")},
    };
    for (const Case& c : cases) {
        const SheetReading reading = ReadPage(c.page, code);
        EXPECT_FALSE(reading.code) << c.name;
        EXPECT_TRUE(reading.rows.empty()) << c.name;
        EXPECT_TRUE(reading.codeProblem.contains(c.says))
            << c.name << ": " << reading.codeProblem.toStdString();
    }
}

} // namespace
} // namespace vorn
