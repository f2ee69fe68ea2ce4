#pragma once
// Pictures made in the tests: a plain image of a given size, encoded.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

namespace vorn::test {

inline QByteArray EncodedImage(int width, int height, const char* format = "JPG",
                               QColor fill = QColor(Qt::gray)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace vorn::test
