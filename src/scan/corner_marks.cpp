#include "corner_marks.h"

#include "paper/sheet_layout.h"

#include <opencv2/imgproc.hpp>

#include <cmath>
#include <vector>

namespace vorn {

namespace {

// Marks are looked for at this resolution: an 8 mm square is 24 pixels.
constexpr double kSearchPixelsPerMm = 3.0;
// How far from the page's corner a mark may be, as a share of its sides.
constexpr double kCornerZone = 0.35;
// How far the found marks may be from a rectangle of the sheet's proportions.
constexpr double kShapeTolerance = 0.035;

// The page's resolution assuming it is an A4 page, margins of a crooked scan
// included.
double EstimatedPixelsPerMm(const cv::Mat& grey) {
    return std::sqrt(double(grey.cols) * grey.rows / (kPageWidthMm * kPageHeightMm));
}

// The centre of a contour that is a filled square of about the mark's size.
std::optional<cv::Point2d> SquareCentre(const std::vector<cv::Point>& contour, const cv::Mat& ink,
                                        double pixelsPerMm) {
    const double side = kCornerMarkSideMm * pixelsPerMm;
    const double area = cv::contourArea(contour);
    if (area < 0.45 * side * side || area > 1.8 * side * side) return std::nullopt;
    const cv::RotatedRect box = cv::minAreaRect(contour);
    const double longer = std::max(box.size.width, box.size.height);
    const double shorter = std::min(box.size.width, box.size.height);
    if (shorter < 0.6 * side || longer > 1.5 * side || longer > 1.3 * shorter) return std::nullopt;
    if (area < 0.8 * box.size.area()) return std::nullopt;
    // Filled, not a ring (the QR code's finder squares) nor a hole's edge.
    const cv::Rect bounds = cv::boundingRect(contour) & cv::Rect(0, 0, ink.cols, ink.rows);
    if (cv::countNonZero(ink(bounds)) < 0.85 * area) return std::nullopt;
    const cv::Moments moments = cv::moments(contour);
    return cv::Point2d(moments.m10 / moments.m00, moments.m01 / moments.m00);
}

std::vector<cv::Point2d> SquareCentres(const cv::Mat& small, double pixelsPerMm) {
    cv::Mat ink;
    cv::threshold(small, ink, 0, 255, cv::THRESH_BINARY_INV | cv::THRESH_OTSU);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(ink, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    std::vector<cv::Point2d> centres;
    for (const auto& contour : contours)
        if (auto centre = SquareCentre(contour, ink, pixelsPerMm)) centres.push_back(*centre);
    return centres;
}

// Per corner of the image, clockwise from the top left, the square nearest
// to it within its zone.
std::array<std::optional<cv::Point2d>, 4> NearestToCorners(const std::vector<cv::Point2d>& squares,
                                                           cv::Size size) {
    const std::array<cv::Point2d, 4> corners{cv::Point2d(0, 0), cv::Point2d(size.width, 0),
                                             cv::Point2d(size.width, size.height),
                                             cv::Point2d(0, size.height)};
    std::array<std::optional<cv::Point2d>, 4> nearest;
    for (int corner = 0; corner < 4; ++corner) {
        double best = HUGE_VAL;
        for (const cv::Point2d& square : squares) {
            const cv::Point2d offset = square - corners[corner];
            if (std::abs(offset.x) > kCornerZone * size.width ||
                std::abs(offset.y) > kCornerZone * size.height)
                continue;
            if (const double distance = cv::norm(offset); distance < best) {
                best = distance;
                nearest[corner] = square;
            }
        }
    }
    return nearest;
}

bool Near(double value, double expected) {
    return std::abs(value - expected) <= kShapeTolerance * expected;
}

// Whether `before`, `corner`, `after` (clockwise neighbours) stand as three
// corners of the marks' rectangle, the page turned any quarter.
bool RightCorner(cv::Point2d before, cv::Point2d corner, cv::Point2d after) {
    const std::array<QPointF, 4> marks = CornerMarkCentres();
    const double width = marks[1].x() - marks[0].x(), height = marks[3].y() - marks[0].y();
    const double a = cv::norm(before - corner), b = cv::norm(after - corner);
    if (a <= 0 || b <= 0) return false;
    const double ratio = height / width;
    const bool proportioned = Near(a / b, ratio) || Near(b / a, ratio);
    return proportioned && Near(cv::norm(after - before), std::hypot(a, b));
}

// The four marks, one placed from the other three when it is missing or
// does not fit them.
std::optional<CornerMarks> Completed(const std::array<std::optional<cv::Point2d>, 4>& seen) {
    const auto fits = [&](int corner) {
        const auto& before = seen[(corner + 3) % 4];
        const auto& after = seen[(corner + 1) % 4];
        return seen[corner] && before && after && RightCorner(*before, *seen[corner], *after);
    };
    if (fits(0) && fits(1) && fits(2) && fits(3))
        return CornerMarks{{*seen[0], *seen[1], *seen[2], *seen[3]}, -1};
    for (int missing = 0; missing < 4; ++missing) {
        const int opposite = (missing + 2) % 4;
        if (!fits(opposite)) continue;
        CornerMarks marks;
        for (int corner = 0; corner < 4; ++corner)
            if (corner != missing) marks.centres[corner] = *seen[corner];
        marks.centres[missing] = marks.centres[(missing + 1) % 4] +
                                 marks.centres[(missing + 3) % 4] - marks.centres[opposite];
        marks.inferred = missing;
        return marks;
    }
    return std::nullopt;
}

} // namespace

std::optional<CornerMarks> FindCornerMarks(const cv::Mat& grey) {
    const double scale = std::min(1.0, kSearchPixelsPerMm / EstimatedPixelsPerMm(grey));
    cv::Mat small;
    cv::resize(grey, small, cv::Size(), scale, scale, cv::INTER_AREA);
    const auto squares = SquareCentres(small, EstimatedPixelsPerMm(grey) * scale);
    auto marks = Completed(NearestToCorners(squares, small.size()));
    if (!marks) return std::nullopt;
    for (cv::Point2d& centre : marks->centres)
        centre = cv::Point2d((centre.x + 0.5) / scale - 0.5, (centre.y + 0.5) / scale - 0.5);
    return marks;
}

} // namespace vorn
