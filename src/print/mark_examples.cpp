#include "mark_examples.h"

#include "millimetre_text.h"
#include "paper/sheet_layout.h"
#include "sheet_painter.h"

#include <QPen>

namespace vorn {

namespace {

const QColor kPen(25, 25, 110); // a dark blue pen
constexpr double kStrokeMm = 0.5;

void Outline(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(kBubbleOutline, kBubbleOutlineMm));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kBubbleRadiusMm, kBubbleRadiusMm);
}

void Filled(QPainter& painter, QPointF centre) {
    Outline(painter, centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPen);
    painter.drawEllipse(centre, kBubbleRadiusMm - 0.1, kBubbleRadiusMm - 0.1);
}

void Cross(QPainter& painter, QPointF centre, double reach) {
    painter.setPen(QPen(kPen, kStrokeMm, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-reach, -reach), centre + QPointF(reach, reach));
    painter.drawLine(centre + QPointF(-reach, reach), centre + QPointF(reach, -reach));
}

void Tick(QPainter& painter, QPointF centre) {
    Outline(painter, centre);
    painter.setPen(QPen(kPen, kStrokeMm, Qt::SolidLine, Qt::RoundCap));
    const QPointF tick[] = {centre + QPointF(-1.8, 0), centre + QPointF(-0.5, 1.6),
                            centre + QPointF(2.2, -2.4)};
    painter.drawPolyline(tick, 3);
}

// A caption ending at `right`, centred on `y`.
void Caption(QPainter& painter, double right, double y, const QString& text) {
    DrawText(painter, QRectF(right - 30, y - 2.5, 30, 5), Qt::AlignRight | Qt::AlignVCenter, text,
             {.heightMm = 3.2, .bold = true});
}

} // namespace

void PaintMarkExamples(QPainter& painter, QPointF origin) {
    const double y = origin.y();
    const double x = origin.x();
    Caption(painter, x + 20, y, QStringLiteral("Така:"));
    Filled(painter, {x + 25, y});
    Caption(painter, x + 62, y, QStringLiteral("Поправка:"));
    Filled(painter, {x + 67, y});
    Cross(painter, {x + 67, y}, kBubbleRadiusMm * 1.45);
    DrawText(painter, QRectF(x + 72, y - 2.5, 8, 5), Qt::AlignCenter, QStringLiteral("→"),
             {.heightMm = 4.0});
    Filled(painter, {x + 85, y});
    Caption(painter, x + 122, y, QStringLiteral("Не така:"));
    Tick(painter, {x + 127, y});
    Outline(painter, {x + 136, y});
    Cross(painter, {x + 136, y}, kBubbleRadiusMm * 0.7);
}

} // namespace vorn
