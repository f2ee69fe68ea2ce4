#pragma once
// Finding the sheet's four corner squares on a scanned page, whatever its
// rotation: the first step of reading it.

#include <opencv2/core.hpp>

#include <array>
#include <optional>

namespace vorn {

struct CornerMarks {
    // Clockwise from the image's top left corner: which of them is the
    // sheet's own top left is for the QR code to tell.
    std::array<cv::Point2d, 4> centres;
    int inferred = -1; // the mark not seen (a smudge, a fold) and placed from the other three
};

// None when fewer than three marks are found where a sheet's marks stand.
std::optional<CornerMarks> FindCornerMarks(const cv::Mat& grey);

} // namespace vorn
