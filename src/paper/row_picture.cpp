#include "row_picture.h"

#include "sheet_layout.h"

namespace vorn {

namespace {

// A margin around the bubbles, so that a mark that strays is seen too.
constexpr double kRowMarginMm = 4.0;

QImage Cut(const QImage& upright, double pixelsPerMm, QRectF mm) {
    mm.adjust(-kRowMarginMm, -kRowMarginMm, kRowMarginMm, kRowMarginMm);
    const QRect pixels = QRectF(mm.topLeft() * pixelsPerMm, mm.size() * pixelsPerMm)
                             .toAlignedRect()
                             .intersected(upright.rect());
    return upright.copy(pixels);
}

} // namespace

QImage RowPicture(const QImage& upright, double pixelsPerMm, int position) {
    const QPointF first = BubbleCentre(position, 0);
    const QPointF last = BubbleCentre(position, kSheetLetters - 1);
    const QPointF label = RowLabelAnchor(position);
    const double r = kBubbleRadiusMm;
    return Cut(
        upright, pixelsPerMm,
        QRectF(QPointF(label.x() - 8.0, first.y() - r), QPointF(last.x() + r, last.y() + r)));
}

QImage NumberPicture(const QImage& upright, double pixelsPerMm) {
    const QPointF first = NumberBubbleCentre(0, 0);
    const QPointF last = NumberBubbleCentre(1, 9);
    const double r = kBubbleRadiusMm;
    return Cut(upright, pixelsPerMm, QRectF(first - QPointF(r, r), last + QPointF(r, r)));
}

} // namespace vorn
