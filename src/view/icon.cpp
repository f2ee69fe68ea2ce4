#include "icon.h"

#include <QPainter>
#include <QPolygonF>

namespace vorn {

namespace {

// The 16 colours of the standard palette.
QList<QRgb> SixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

} // namespace

void PaintIcon(QPainter& painter) {
    // A parallelogram in blue with a black outline...
    const QPolygonF shape({{9, 6}, {30, 6}, {23, 26}, {2, 26}});
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(0, 0, 255));
    painter.drawPolygon(shape);
    // ...and a green tick across it.
    painter.setPen(QPen(QColor(0, 255, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{9, 16}, {14, 21}, {24, 10}}));
}

QImage IconImage(int size) {
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    const qreal s = size / 32.0;
    QPainter painter(&canvas);
    painter.scale(s, s);
    PaintIcon(painter);
    painter.end();
    // Reduce to the 16 colours, without dithering, keeping transparency as a
    // colour key the icon engine understands.
    QImage indexed = canvas.convertToFormat(QImage::Format_Indexed8, SixteenColours(),
                                            Qt::ThresholdDither | Qt::AvoidDither);
    QImage result = indexed.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(canvas.pixel(x, y)) < 128) result.setPixel(x, y, qRgba(0, 0, 0, 0));
    return result;
}

QIcon WindowIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(IconImage(32)));
    icon.addPixmap(QPixmap::fromImage(IconImage(16)));
    return icon;
}

} // namespace vorn
