#include "sheet_code_reader.h"

#include "grey_page.h"
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
// About 6 pixels to a module of the code.
constexpr double kCodePixelsPerMm = 6.0;

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

std::optional<QString> ReadQrCode(const cv::Mat& image) {
    if (image.cols < 8 || image.rows < 8) return std::nullopt;
    const ZXing::ImageView view(image.data, image.cols, image.rows, ZXing::ImageFormat::Lum,
                                int(image.step[0]));
    const auto hints = ZXing::DecodeHints()
                           .setFormats(ZXing::BarcodeFormat::QRCode)
                           .setTryHarder(true)
                           .setTryRotate(false);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    return QString::fromStdString(result.text());
}

// The code read at a resolution it reads best at, averaging a fine scan's
// grain away; at the scan's own if that fails.
std::optional<QString> ReadQrCode(const cv::Mat& window, double pixelsPerMm) {
    if (pixelsPerMm > kCodePixelsPerMm) {
        cv::Mat smaller;
        const double scale = kCodePixelsPerMm / pixelsPerMm;
        cv::resize(window, smaller, cv::Size(), scale, scale, cv::INTER_AREA);
        if (auto text = ReadQrCode(smaller)) return text;
    }
    return ReadQrCode(window);
}

} // namespace

std::optional<FoundCode> FindSheetCode(const QImage& grey, const CornerMarks& marks) {
    // The code is the darkest of the four places it may be: tried first,
    // the others only if it is not read there (a smudge, a stamp).
    struct Place {
        int turn;
        cv::Rect window;
        double grey;
    };
    const cv::Mat image = GreyView(grey);
    std::vector<Place> places;
    for (int turn = 0; turn < 4; ++turn) {
        const cv::Rect window = CodeWindow(SheetToImage(marks, turn), image.size());
        places.push_back({turn, window, window.empty() ? 255.0 : cv::mean(image(window))[0]});
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.grey < b.grey; });
    const double pixelsPerMm = cv::norm(marks.centres[1] - marks.centres[0]) +
                               cv::norm(marks.centres[2] - marks.centres[1]);
    const double sheetMm = CornerMarkCentres()[2].x() - CornerMarkCentres()[0].x() +
                           CornerMarkCentres()[2].y() - CornerMarkCentres()[0].y();
    for (const Place& place : places)
        if (!place.window.empty())
            if (auto text = ReadQrCode(image(place.window), pixelsPerMm / sheetMm))
                return FoundCode{*text, place.turn};
    return std::nullopt;
}

} // namespace vorn
