#include "bubble_reading.h"

#include <algorithm>

namespace vorn {

namespace {

// The lightest pen a filled bubble is measured against, as a share of the
// way from paper to the printed ink: a lighter "fill" is not one.
constexpr double kLightestPen = 0.45;
// An empty bubble's own reading (its light letter, the scanner's noise) is
// what the empty ones of the sheet read at the least, up to this much.
constexpr double kMostEmptyLevel = 0.12;
constexpr double kEmptyLevelShare = 0.2; // the lightest fifth of the bubbles

// The grey of the student's pen: the darkest quarter of the most inked
// bubble, but never lighter than kLightestPen.
double PenGrey(const cv::Mat& upright, const BubbleGauge& gauge, SheetLevels levels,
               const std::vector<QPointF>& centresMm) {
    double pen = levels.paper - kLightestPen * (levels.paper - levels.ink);
    for (const QPointF& centre : centresMm)
        pen = std::min<double>(pen,
                               gauge.ShareDarker(upright, centre, BubbleGauge::Zone::Inside, 0.25));
    return std::max(pen, levels.ink);
}

double Shade(const cv::Mat& upright, const BubbleGauge& gauge, SheetLevels levels, QPointF centre) {
    using Zone = BubbleGauge::Zone;
    const int inside = gauge.ShareDarker(upright, centre, Zone::Inside, 0.5);
    const int around = gauge.ShareDarker(upright, centre, Zone::Ring, 0.5);
    return (around - inside) / (levels.paper - levels.ink);
}

double EmptyLevel(const std::vector<BubbleInk>& inks) {
    std::vector<double> inside;
    for (const BubbleInk& ink : inks)
        inside.push_back(ink.inside);
    const auto share = inside.begin() + std::ptrdiff_t(kEmptyLevelShare * double(inside.size()));
    std::nth_element(inside.begin(), share, inside.end());
    return std::min(*share, kMostEmptyLevel);
}

} // namespace

std::vector<BubbleReading> ReadBubbles(const cv::Mat& upright, double pixelsPerMm,
                                       SheetLevels levels, const std::vector<QPointF>& centresMm) {
    if (centresMm.empty()) return {};
    const BubbleGauge gauge(pixelsPerMm);
    const InkScale scale(levels.paper, PenGrey(upright, gauge, levels, centresMm));
    std::vector<BubbleInk> inks;
    for (const QPointF& centre : centresMm) {
        inks.push_back(gauge.Measure(upright, centre, scale));
        inks.back().shade = Shade(upright, gauge, levels, centre);
    }
    const double empty = EmptyLevel(inks);
    std::vector<BubbleReading> readings;
    for (BubbleInk ink : inks) {
        ink.inside = std::max(0.0, (ink.inside - empty) / (1 - empty));
        readings.push_back({ClassifyBubble(ink), ink.inside, ink.crossArms});
    }
    return readings;
}

} // namespace vorn
