#pragma once
// Reading every bubble of a sheet at once: the student's pen found on the
// sheet itself, each bubble's ink measured against it and the sheet's
// paper, and each classified.

#include "bubble_gauge.h"

#include <QPointF>
#include <opencv2/core.hpp>
#include <vector>

namespace vorn {

// Per centre (millimetres on the upright sheet), in order.
std::vector<BubbleReading> ReadBubbles(const cv::Mat& upright, double pixelsPerMm,
                                       SheetLevels levels, const std::vector<QPointF>& centresMm);

} // namespace vorn
