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

class BubbleGauge {
public:
    BubbleGauge(double pixelsPerMm, SheetLevels levels);
    BubbleReading Read(const cv::Mat& upright, QPointF centreMm) const;

private:
    struct Offset {
        int dx, dy;
        int sector; // -1: inside the bubble; 0-7: the ring's eighths, clockwise from the right
    };
    std::vector<Offset> offsets_;
    std::array<float, 256> coverage_; // per grey
    double pixelsPerMm_;
};

} // namespace vorn
