#include "synthetic_distortions.h"

#include "paper/sheet_layout.h"
#include "synthetic_random.h"

#include <QBuffer>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace vorn::test {

namespace {

constexpr int kLidGrey = 236;

// Pages are grey: red, green and blue are the same.
int GreyOf(QRgb pixel) {
    return qGreen(pixel);
}

} // namespace

void SmudgeCornerMark(QPainter& painter, SyntheticRandom& random) {
    const QPointF mark = CornerMarkCentres()[static_cast<std::size_t>(random.Below(4))];
    // A smear along one of the page's edges, over the mark and out past it
    // towards the corner: off the sheet's code and its bubbles.
    const QPointF outwards(mark.x() < kPageWidthMm / 2 ? -1 : 1,
                           mark.y() < kPageHeightMm / 2 ? -1 : 1);
    const bool alongTop = random.Chance(0.5);
    const QPointF along = alongTop ? QPointF(outwards.x(), 0) : QPointF(0, outwards.y());
    const QPointF centre = mark + along * random.Uniform(0, 4) + outwards * random.Uniform(0, 1.5);
    const double level = 1 - random.Uniform(0.55, 0.85);
    const QColor grey = QColor::fromRgbF(level, level, level);
    QRadialGradient blob(QPointF(0, 0), 1);
    blob.setColorAt(0, grey);
    blob.setColorAt(0.6, grey);
    blob.setColorAt(1, Qt::white);
    painter.save();
    painter.translate(centre);
    painter.rotate((alongTop ? 0 : 90) + random.Uniform(-20, 20));
    painter.scale(random.Uniform(7, 11), random.Uniform(2.5, 4.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(blob);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    painter.restore();
}

QImage Turned(const QImage& page, int quarterTurns, double skewDegrees) {
    const QTransform turn = QTransform().rotate(90.0 * quarterTurns + skewDegrees);
    const QRect bounds = turn.mapRect(QRectF(page.rect())).toAlignedRect();
    QImage turned(bounds.size(), QImage::Format_RGB32);
    turned.fill(QColor(kLidGrey, kLidGrey, kLidGrey));
    QPainter painter(&turned);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-bounds.topLeft());
    painter.setTransform(turn, true);
    painter.drawImage(QPointF(0, 0), page);
    return turned;
}

void AddNoise(QImage& page, double sigma, SyntheticRandom& random) {
    // The sum of three uniform bytes: mean 382.5, deviation about 127.7.
    const double scale = sigma / 127.7;
    for (int y = 0; y < page.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const std::uint32_t bits = random.Bits();
            const int sum =
                static_cast<int>((bits & 0xff) + ((bits >> 8) & 0xff) + ((bits >> 16) & 0xff));
            const int noisy =
                GreyOf(line[x]) + static_cast<int>(std::lround((sum - 382.5) * scale));
            const int grey = std::clamp(noisy, 0, 255);
            line[x] = qRgb(grey, grey, grey);
        }
    }
}

void Threshold(QImage& page, int level) {
    for (int y = 0; y < page.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x)
            line[x] = GreyOf(line[x]) < level ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
}

QImage JpegRoundTrip(const QImage& page, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    page.convertToFormat(QImage::Format_Grayscale8).save(&buffer, "JPG", quality);
    QImage decoded;
    decoded.loadFromData(bytes, "JPG");
    return decoded.convertToFormat(QImage::Format_RGB32);
}

} // namespace vorn::test
