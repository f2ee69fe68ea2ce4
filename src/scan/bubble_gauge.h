#pragma once
// Measuring the bubbles of an upright sheet: how much of each is covered
// with ink, against the sheet's own paper and ink, and how much ink lies
// around it in each direction.

#include "bubble_states.h"

#include <QPointF>
#include <array>
#include <opencv2/core.hpp>
#include <vector>

namespace vorn {

// The grey of the sheet's paper and of its printed ink.
struct SheetLevels {
    double paper = 255;
    double ink = 0;
};

// Paper: the most common grey where the answers are. Ink: inside the corner
// marks, but for `hiddenMark` (0-3 clockwise from the top left; -1 none),
// which was not seen.
SheetLevels MeasureLevels(const cv::Mat& upright, double pixelsPerMm, int hiddenMark);

// Ink measured against the greys of paper and ink: the share of each
// grey's way from the one to the other.
class InkScale {
public:
    InkScale(double paper, double ink);
    float operator()(uchar grey) const { return coverage_[grey]; }

private:
    std::array<float, 256> coverage_;
};

class BubbleGauge {
public:
    explicit BubbleGauge(double pixelsPerMm);
    enum class Zone { Inside, Ring };
    // The grey a `share` of the zone's pixels is darker than: a quarter of
    // a filled bubble's inside is its pen, half the ring its paper.
    int ShareDarker(const cv::Mat& upright, QPointF centreMm, Zone zone, double share) const;
    BubbleInk Measure(const cv::Mat& upright, QPointF centreMm, const InkScale& scale) const;

private:
    struct Offset {
        int dx, dy;
        int sector; // -1: inside the bubble; 0-7: the ring's eighths, clockwise from the right
    };
    cv::Point Pixel(QPointF centreMm) const;

    std::vector<Offset> offsets_;
    double pixelsPerMm_;
};

} // namespace vorn
