#include "bubble_gauge.h"

#include "paper/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorn {

namespace {

// Inside: short of the printed outline, which a slight misplacement or a
// thick print must not bring in. Ring: clear of the outline and of the
// next bubble.
constexpr double kInsideRadius = 0.88 * kBubbleRadiusMm;
constexpr double kRingInner = 1.2 * kBubbleRadiusMm;
constexpr double kRingOuter = 1.7 * kBubbleRadiusMm;
// Below this many grey levels between paper and ink the page has no
// contrast to speak of; measuring against it would magnify noise.
constexpr double kLeastContrast = 24;

int MedianGrey(const cv::Mat& image, const cv::Rect& area, int step) {
    std::array<int, 256> histogram{};
    int count = 0;
    const cv::Rect inside = area & cv::Rect(0, 0, image.cols, image.rows);
    for (int y = inside.y; y < inside.y + inside.height; y += step) {
        const uchar* row = image.ptr<uchar>(y);
        for (int x = inside.x; x < inside.x + inside.width; x += step, ++count)
            ++histogram[row[x]];
    }
    for (int grey = 0, seen = 0; grey < 256; ++grey)
        if ((seen += histogram[grey]) * 2 > count) return grey;
    return 255;
}

cv::Rect PixelRect(const QRectF& mm, double pixelsPerMm) {
    return {int(mm.x() * pixelsPerMm), int(mm.y() * pixelsPerMm), int(mm.width() * pixelsPerMm),
            int(mm.height() * pixelsPerMm)};
}

} // namespace

SheetLevels MeasureLevels(const cv::Mat& upright, double pixelsPerMm, int hiddenMark) {
    const QRectF answers(BubbleCentre(0, 0) - QPointF(8, 6),
                         BubbleCentre(kSheetRows - 1, kSheetLetters - 1) + QPointF(8, 6));
    SheetLevels levels;
    levels.paper = MedianGrey(upright, PixelRect(answers, pixelsPerMm), 3);
    std::vector<int> inks;
    const std::array<QPointF, 4> marks = CornerMarkCentres();
    const double half = 0.3 * kCornerMarkSideMm;
    for (int mark = 0; mark < 4; ++mark)
        if (mark != hiddenMark)
            inks.push_back(MedianGrey(
                upright,
                PixelRect(QRectF(marks[mark] - QPointF(half, half), QSizeF(2 * half, 2 * half)),
                          pixelsPerMm),
                1));
    std::sort(inks.begin(), inks.end());
    levels.ink = inks[inks.size() / 2]; // a mark under a smudge's edge or a fold counts not
    levels.ink = std::min(levels.ink, levels.paper - kLeastContrast);
    return levels;
}

InkScale::InkScale(double paper, double ink) {
    for (int grey = 0; grey < 256; ++grey)
        coverage_[grey] = float(std::clamp((paper - grey) / (paper - ink), 0.0, 1.0));
}

BubbleGauge::BubbleGauge(double pixelsPerMm) : pixelsPerMm_(pixelsPerMm) {
    const int reach = int(std::ceil(kRingOuter * pixelsPerMm));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const double mm = std::hypot(dx, dy) / pixelsPerMm;
            if (mm <= kInsideRadius) offsets_.push_back({dx, dy, -1});
            if (mm < kRingInner || mm > kRingOuter) continue;
            const double eighths = std::atan2(dy, dx) / (std::numbers::pi / 4);
            offsets_.push_back({dx, dy, (int(std::lround(eighths)) + 8) % 8});
        }
}

cv::Point BubbleGauge::Pixel(QPointF centreMm) const {
    return {int(std::lround(centreMm.x() * pixelsPerMm_ - 0.5)),
            int(std::lround(centreMm.y() * pixelsPerMm_ - 0.5))};
}

int BubbleGauge::ShareDarker(const cv::Mat& upright, QPointF centreMm, Zone zone,
                             double share) const {
    const cv::Point centre = Pixel(centreMm);
    std::array<int, 256> histogram{};
    int count = 0;
    for (const Offset& offset : offsets_) {
        const int x = centre.x + offset.dx, y = centre.y + offset.dy;
        if ((offset.sector < 0) != (zone == Zone::Inside) || x < 0 || y < 0 || x >= upright.cols ||
            y >= upright.rows)
            continue;
        ++histogram[upright.at<uchar>(y, x)];
        ++count;
    }
    for (int grey = 0, seen = 0; grey < 256; ++grey)
        if ((seen += histogram[grey]) >= share * count && seen > 0) return grey;
    return 255;
}

BubbleInk BubbleGauge::Measure(const cv::Mat& upright, QPointF centreMm,
                               const InkScale& scale) const {
    const cv::Point centre = Pixel(centreMm);
    std::array<double, 9> ink{}; // the eight sectors, then the inside
    std::array<int, 9> count{};
    for (const Offset& offset : offsets_) {
        const int x = centre.x + offset.dx, y = centre.y + offset.dy;
        if (x < 0 || y < 0 || x >= upright.cols || y >= upright.rows) continue;
        const int slot = offset.sector < 0 ? 8 : offset.sector;
        ink[slot] += scale(upright.at<uchar>(y, x));
        ++count[slot];
    }
    for (int slot = 0; slot < 9; ++slot)
        ink[slot] = count[slot] ? ink[slot] / count[slot] : 0;
    // A line through the bubble inks both of two opposite sectors.
    std::array<double, 4> lines;
    for (int line = 0; line < 4; ++line)
        lines[line] = std::min(ink[line], ink[line + 4]);
    std::sort(lines.begin(), lines.end(), std::greater<>());
    return {ink[8], lines[1], lines[0]};
}

} // namespace vorn
