// The synthetic scans are only as good as the marks they draw: a fill that
// comes out too light, or a cross that comes out as heavy as a fill, would
// have the corpus grade the scanner against the wrong answer.

#include "paper/sheet_layout.h"
#include "support/synthetic_distortions.h"
#include "support/synthetic_marks.h"
#include "support/synthetic_random.h"
#include "support/synthetic_scan.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

constexpr double kDpi = 300;
constexpr double kPxPerMm = kDpi / 25.4;
const QPointF kCentreMm(20, 20);

// Mean darkness (0 white, 1 black) of the pixels between two radii (mm) of
// the centre.
double MeanDarkness(const QImage& image, QPointF centreMm, double innerMm, double outerMm) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPointF mm = QPointF(x + 0.5, y + 0.5) / kPxPerMm - centreMm;
            const double r = std::hypot(mm.x(), mm.y());
            if (r < innerMm || r >= outerMm) continue;
            sum += 1 - qGray(image.pixel(x, y)) / 255.0;
            ++count;
        }
    return sum / count;
}

QImage OneMark(MarkKind kind, const Pen& pen, std::uint32_t seed) {
    QImage page(static_cast<int>(40 * kPxPerMm), static_cast<int>(40 * kPxPerMm),
                QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.scale(kPxPerMm, kPxPerMm);
    SyntheticRandom random(seed);
    DrawMark(painter, kCentreMm, kind, pen, random);
    return page;
}

TEST(SyntheticMarks, EachKindPutsTheInkItsBandSays) {
    // inside: darkness over the bubble's inside as a share of the pen's;
    // ring: on the ring 1-2 radii out, where a correction's arms cross.
    struct Band {
        MarkKind kind;
        double insideLow, insideHigh, ringHigh;
    };
    const Band bands[] = {
        {MarkKind::None, 0, 0, 0},
        {MarkKind::StrayDot, 0.001, 0.02, 0},
        {MarkKind::Filled, 0.65, 1, 0.005},
        {MarkKind::Correction, 0.75, 1, 0.2},
        {MarkKind::LightFill, 0.12, 0.33, 0.005},
        {MarkKind::Tick, 0.07, 0.25, 0.005},
        {MarkKind::Cross, 0.12, 0.42, 0.005},
    };
    const Pen pens[] = {{0.5, 0.5}, {1.0, 0.8}, {0.75, 0.6}};
    for (const Band& band : bands)
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            const Pen& pen = pens[seed % 3];
            const QImage page = OneMark(band.kind, pen, seed);
            const double inside = MeanDarkness(page, kCentreMm, 0, kBubbleRadiusMm - 0.2);
            const double ring =
                MeanDarkness(page, kCentreMm, kBubbleRadiusMm + 0.3, 2 * kBubbleRadiusMm);
            SCOPED_TRACE(MarkKindName(band.kind) + std::string(" seed ") + std::to_string(seed));
            EXPECT_GE(inside / pen.darkness, band.insideLow);
            EXPECT_LE(inside / pen.darkness, band.insideHigh);
            EXPECT_LE(ring / pen.darkness, band.ringHigh);
            if (band.kind == MarkKind::Correction) {
                EXPECT_GE(ring / pen.darkness, 0.04);
            }
        }
}

TEST(SyntheticMarks, AnErasedFillIsAsLightWhateverThePen) {
    for (const Pen& pen : {Pen{0.5, 0.5}, Pen{1.0, 0.8}}) {
        const QImage page = OneMark(MarkKind::EraseSmudge, pen, 3);
        const double inside = MeanDarkness(page, kCentreMm, 0, kBubbleRadiusMm - 0.2);
        EXPECT_GE(inside, 0.10 * 0.5);
        EXPECT_LE(inside, 0.20);
    }
}

QImage WhitePage(double dpi) {
    QImage page(static_cast<int>(kPageWidthMm / 25.4 * dpi),
                static_cast<int>(kPageHeightMm / 25.4 * dpi), QImage::Format_Grayscale8);
    page.fill(Qt::white);
    return page;
}

StudentMarks FirstRowFilled() {
    return {{{MarkKind::Filled, MarkKind::None, MarkKind::Tick}}, {}};
}

TEST(SyntheticScan, ASeedMakesTheSameScanAgainAndAnotherSeedAnother) {
    const QImage page = WhitePage(50);
    const ScanDistortions all{1, 3.5, 60, 8, false, true};
    const SyntheticScan first = MakeSyntheticScan(page, 50, FirstRowFilled(), all, 7);
    EXPECT_EQ(first.image, MakeSyntheticScan(page, 50, FirstRowFilled(), all, 7).image);
    EXPECT_NE(first.image, MakeSyntheticScan(page, 50, FirstRowFilled(), all, 8).image);
}

TEST(SyntheticScan, TheTruthFollowsTheKindsAndTheCopiersMode) {
    const StudentMarks marks{{{MarkKind::Filled, MarkKind::StrayDot, MarkKind::EraseSmudge},
                              {MarkKind::Correction, MarkKind::Cross}},
                             {}};
    using S = BubbleState;
    const SyntheticScan grey = MakeSyntheticScan(WhitePage(50), 50, marks, {}, 1);
    EXPECT_EQ(grey.rows, (std::vector<std::vector<S>>{{S::Marked, S::Empty, S::Doubtful},
                                                      {S::Cancelled, S::Doubtful}}));
    ScanDistortions copier;
    copier.blackAndWhite = true;
    const SyntheticScan bw = MakeSyntheticScan(WhitePage(50), 50, marks, copier, 1);
    EXPECT_EQ(bw.rows[0][2], S::Empty);
}

TEST(SyntheticScan, AQuarterTurnClockwisePutsTheFirstBubbleTopRight) {
    // Upright at 50 dpi, bubble A of row 1 is at (36, 118) mm; a clockwise
    // turn puts a point (x, y) of the page at (297 - y, x).
    ScanDistortions turn;
    turn.quarterTurns = 1;
    const SyntheticScan scan = MakeSyntheticScan(WhitePage(50), 50, FirstRowFilled(), turn, 2);
    const double pxPerMm = 50 / 25.4;
    ASSERT_NEAR(scan.image.width(), kPageHeightMm * pxPerMm, 1.5);
    ASSERT_NEAR(scan.image.height(), kPageWidthMm * pxPerMm, 1.5);
    const QPoint filled((297 - 118) * pxPerMm, 36 * pxPerMm);
    const QPoint elsewhere((297 - 118) * pxPerMm, (210 - 36) * pxPerMm);
    EXPECT_LT(qGray(scan.image.pixel(filled)), 160);
    EXPECT_GT(qGray(scan.image.pixel(elsewhere)), 230);
}

TEST(SyntheticScan, ACopiersBlackAndWhiteLeavesOnlyBlackAndWhite) {
    ScanDistortions copier;
    copier.blackAndWhite = true;
    copier.noiseSigma = 10;
    const SyntheticScan scan = MakeSyntheticScan(WhitePage(40), 40, FirstRowFilled(), copier, 4);
    for (int y = 0; y < scan.image.height(); y += 3)
        for (int x = 0; x < scan.image.width(); x += 3) {
            const int grey = qGray(scan.image.pixel(x, y));
            ASSERT_TRUE(grey == 0 || grey == 255) << x << "," << y << ": " << grey;
        }
}

} // namespace
} // namespace vorn::test
