#pragma once
// Pictures made in the tests: a plain image of a given size, encoded.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <functional>

namespace vorn::test {

inline QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QByteArray EncodedImage(int width, int height, const char* format = "JPG",
                               QColor fill = QColor(Qt::gray)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return Encoded(image, format);
}

// A PNG whose pixel at (x, y) is colour(x, y).
inline QByteArray PaintedPng(int width, int height, const std::function<QRgb(int, int)>& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colour(x, y));
    return Encoded(image, "PNG");
}

} // namespace vorn::test
