#include "millimetre_text.h"

#include <QFontMetricsF>

#include <cmath>

namespace vorn {

namespace {

constexpr double kUnitsPerMm = 100.0;

QFont FontOf(const TextStyle& style) {
    QFont font(style.family);
    font.setPixelSize(static_cast<int>(std::lround(style.heightMm * kUnitsPerMm)));
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QRectF Scaled(const QRectF& box) {
    return {box.x() * kUnitsPerMm, box.y() * kUnitsPerMm, box.width() * kUnitsPerMm,
            box.height() * kUnitsPerMm};
}

} // namespace

void DrawText(QPainter& painter, const QRectF& box, int flags, const QString& text,
              const TextStyle& style) {
    painter.save();
    painter.scale(1 / kUnitsPerMm, 1 / kUnitsPerMm);
    const QFont font = FontOf(style);
    painter.setFont(font);
    painter.setPen(style.colour);
    const QRectF scaled = Scaled(box);
    const QString shown =
        (flags & Qt::TextWordWrap)
            ? text
            : QFontMetricsF(font).elidedText(text, Qt::ElideRight, scaled.width());
    painter.drawText(scaled, flags, shown);
    painter.restore();
}

} // namespace vorn
