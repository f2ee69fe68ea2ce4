#pragma once
// Scanned pages as 8-bit grey images, and OpenCV's view of one without a
// copy: everything the scanner measures is grey.

#include <QImage>
#include <opencv2/core.hpp>

namespace vorn {

// `image` in Format_Grayscale8; transparent parts read as white paper.
QImage GreyPage(const QImage& image);

// A view of a Grayscale8 image's pixels; valid while `grey` lives unchanged.
cv::Mat GreyView(const QImage& grey);

} // namespace vorn
