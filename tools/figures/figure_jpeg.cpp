#include "figure_jpeg.h"

#include "figure_painter.h"

#include <QBuffer>
#include <QImageWriter>

namespace vorn {

QByteArray FigureJpeg(const Figure& figure) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(90); // fixed, so that the bytes only change with the drawing
    if (!writer.write(PaintFigure(figure))) return {};
    return bytes;
}

} // namespace vorn
