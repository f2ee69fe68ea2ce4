#include "grey_page.h"

#include <QPainter>

namespace vorn {

QImage GreyPage(const QImage& image) {
    if (image.format() == QImage::Format_Grayscale8) return image;
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_Grayscale8);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat.convertToFormat(QImage::Format_Grayscale8);
}

cv::Mat GreyView(const QImage& grey) {
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    // OpenCV's header type is not const-correct; the scanner never writes
    // through this view.
    return {grey.height(), grey.width(), CV_8UC1, const_cast<uchar*>(grey.constBits()),
            static_cast<size_t>(grey.bytesPerLine())};
}

} // namespace vorn
