#include "qr_symbol.h"

#include <QPainterPath>
#include <ZXing/BarcodeFormat.h>
#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

namespace vorn {

namespace {

// ZXing's scale of 0..8 for the level: 4 is M.
constexpr int kEccLevelM = 4;

} // namespace

QrSymbol::QrSymbol(const QString& text) {
    const ZXing::BitMatrix matrix = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                                        .setEncoding(ZXing::CharacterSet::UTF8)
                                        .setEccLevel(kEccLevelM)
                                        .setMargin(0)
                                        .encode(text.toStdWString(), 0, 0);
    size_ = matrix.width();
    modules_.reserve(static_cast<std::size_t>(size_ * size_));
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_; ++x)
            modules_.push_back(matrix.get(x, y));
}

void QrSymbol::paint(QPainter& painter, const QRectF& area) const {
    const double side = std::min(area.width(), area.height());
    const double module = side / (size_ + 2 * kQrQuietModules);
    const QPointF origin =
        area.center() - QPointF(side, side) / 2 + QPointF(module, module) * kQrQuietModules;
    painter.fillRect(QRectF(area.center() - QPointF(side, side) / 2, QSizeF(side, side)),
                     Qt::white);
    // One filled path of row runs: touching modules leave no seam between them.
    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_;) {
            if (!this->dark(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < size_ && this->dark(x, y))
                ++x;
            dark.addRect(origin.x() + start * module, origin.y() + y * module, (x - start) * module,
                         module);
        }
    }
    painter.fillPath(dark, Qt::black);
}

} // namespace vorn
