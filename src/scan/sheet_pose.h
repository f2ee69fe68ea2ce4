#pragma once
// Where the sheet stands on the scanned image: from millimetres on the sheet
// held upright to the image's pixels, and the page warped upright.

#include "corner_marks.h"

#include <QImage>
#include <QPointF>
#include <opencv2/core.hpp>

namespace vorn {

// The sheet's top left mark is image mark `turn` (CornerMarks' order), and
// the rest follow it clockwise, as turning a page never mirrors it.
cv::Matx33d SheetToImage(const CornerMarks& marks, int turn);

cv::Point2d ImagePoint(const cv::Matx33d& sheetToImage, QPointF sheetMm);

// The whole sheet upright, grey, at `pixelsPerMm`; what lies beyond the
// scan reads as paper.
QImage UprightSheet(const cv::Mat& grey, const cv::Matx33d& sheetToImage, double pixelsPerMm);

} // namespace vorn
