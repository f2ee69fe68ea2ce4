#include "sheet_code_reader.h"

#include "paper/sheet_layout.h"
#include "sheet_pose.h"

#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>

namespace vorn {

namespace {

// Room around the code's printed area for a crooked scan.
constexpr double kCodeMarginMm = 6.0;

// The pixels where the code stands if the page is turned so, clipped to
// the image.
cv::Rect CodeWindow(const cv::Matx33d& sheetToImage, cv::Size image) {
    const QRectF area =
        SheetCodeArea().adjusted(-kCodeMarginMm, -kCodeMarginMm, kCodeMarginMm, kCodeMarginMm);
    std::array<cv::Point2f, 4> corners;
    const std::array<QPointF, 4> sheet{area.topLeft(), area.topRight(), area.bottomRight(),
                                       area.bottomLeft()};
    for (int corner = 0; corner < 4; ++corner) {
        const cv::Point2d point = ImagePoint(sheetToImage, sheet[corner]);
        corners[corner] = cv::Point2f(float(point.x), float(point.y));
    }
    return cv::boundingRect(std::vector<cv::Point2f>(corners.begin(), corners.end())) &
           cv::Rect(0, 0, image.width, image.height);
}

std::optional<QString> ReadQrCode(const QImage& grey, const cv::Rect& window) {
    if (window.width < 8 || window.height < 8) return std::nullopt;
    const ZXing::ImageView whole(grey.constBits(), grey.width(), grey.height(),
                                 ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    const auto hints = ZXing::DecodeHints()
                           .setFormats(ZXing::BarcodeFormat::QRCode)
                           .setTryHarder(true)
                           .setTryRotate(false);
    const ZXing::Result result =
        ZXing::ReadBarcode(whole.cropped(window.x, window.y, window.width, window.height), hints);
    if (!result.isValid()) return std::nullopt;
    return QString::fromStdString(result.text());
}

} // namespace

std::optional<FoundCode> FindSheetCode(const QImage& grey, const CornerMarks& marks) {
    // Upright first, then upside down (a pile fed the wrong way), then on
    // either side.
    for (const int turn : {0, 2, 1, 3}) {
        const cv::Rect window =
            CodeWindow(SheetToImage(marks, turn), cv::Size(grey.width(), grey.height()));
        if (auto text = ReadQrCode(grey, window)) return FoundCode{*text, turn};
    }
    return std::nullopt;
}

} // namespace vorn
