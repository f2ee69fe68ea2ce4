#include "sheet_pose.h"

#include "paper/sheet_layout.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace vorn {

cv::Matx33d SheetToImage(const CornerMarks& marks, int turn) {
    const std::array<QPointF, 4> sheet = CornerMarkCentres();
    std::array<cv::Point2f, 4> from, to;
    for (int mark = 0; mark < 4; ++mark) {
        from[mark] = cv::Point2f(float(sheet[mark].x()), float(sheet[mark].y()));
        const cv::Point2d image = marks.centres[(turn + mark) % 4];
        to[mark] = cv::Point2f(float(image.x), float(image.y));
    }
    return cv::Matx33d(cv::getPerspectiveTransform(from.data(), to.data()));
}

cv::Point2d ImagePoint(const cv::Matx33d& sheetToImage, QPointF sheetMm) {
    const cv::Vec3d point = sheetToImage * cv::Vec3d(sheetMm.x(), sheetMm.y(), 1.0);
    return {point[0] / point[2], point[1] / point[2]};
}

QImage UprightSheet(const cv::Mat& grey, const cv::Matx33d& sheetToImage, double pixelsPerMm) {
    QImage upright(int(std::lround(kPageWidthMm * pixelsPerMm)),
                   int(std::lround(kPageHeightMm * pixelsPerMm)), QImage::Format_Grayscale8);
    // An upright pixel's centre in millimetres, then in the image.
    const double mm = 1.0 / pixelsPerMm;
    const cv::Matx33d pixelToSheet(mm, 0, 0.5 * mm, 0, mm, 0.5 * mm, 0, 0, 1);
    cv::Mat target(upright.height(), upright.width(), CV_8UC1, upright.bits(),
                   size_t(upright.bytesPerLine()));
    cv::warpPerspective(grey, target, cv::Mat(sheetToImage * pixelToSheet), target.size(),
                        cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_CONSTANT,
                        cv::Scalar(255));
    return upright;
}

} // namespace vorn
