#include "sheet_layout.h"

#include <stdexcept>

namespace vorn {

namespace {

constexpr double kMarginMm = 12.0; // from the paper's edge to a mark's outer side
constexpr double kMarkCentreMm = kMarginMm + kCornerMarkSideMm / 2;

// The grid of answer rows.
constexpr double kFirstRowMm = 118.0;
constexpr double kRowPitchMm = 10.0;
constexpr double kColumnLeftMm[2] = {36.0, 126.0}; // bubble A of each column
constexpr double kLetterPitchMm = 9.0;

// The class number's bubbles, under the student's strip: a row of ten for
// the tens, one for the units.
constexpr double kNumberTopMm = 68.0;
constexpr double kNumberLeftMm = 44.0;
constexpr double kNumberDigitPitchMm = 8.0;
constexpr double kNumberRowPitchMm = 8.0;

} // namespace

std::array<QPointF, 4> CornerMarkCentres() {
    const double right = kPageWidthMm - kMarkCentreMm;
    const double bottom = kPageHeightMm - kMarkCentreMm;
    return {QPointF(kMarkCentreMm, kMarkCentreMm), QPointF(right, kMarkCentreMm),
            QPointF(right, bottom), QPointF(kMarkCentreMm, bottom)};
}

QRectF SheetCodeArea() {
    return {kPageWidthMm - kMarginMm - 40.0, kMarginMm + 12.0, 40.0, 40.0};
}

QPointF BubbleCentre(int position, int letter) {
    if (position < 0 || position >= kSheetRows || letter < 0 || letter >= kSheetLetters)
        throw std::out_of_range("BubbleCentre: no such bubble");
    const int column = position / kRowsPerColumn;
    const int row = position % kRowsPerColumn;
    return {kColumnLeftMm[column] + letter * kLetterPitchMm, kFirstRowMm + row * kRowPitchMm};
}

QPointF RowLabelAnchor(int position) {
    const QPointF a = BubbleCentre(position, 0);
    return {a.x() - kBubbleRadiusMm - 3.0, a.y()};
}

QPointF NumberBubbleCentre(int column, int digit) {
    if (column < 0 || column > 1 || digit < 0 || digit > 9)
        throw std::out_of_range("NumberBubbleCentre: no such bubble");
    return {kNumberLeftMm + digit * kNumberDigitPitchMm, kNumberTopMm + column * kNumberRowPitchMm};
}

QRectF HeadingArea() {
    return {kMarginMm + kCornerMarkSideMm + 4.0, kMarginMm, 120.0, 20.0};
}

QRectF StudentArea() {
    return {kMarginMm + 4.0, 36.0, 130.0, 26.0};
}

QRectF InstructionsArea() {
    return {kMarginMm + 4.0, 82.0, kPageWidthMm - 2 * kMarginMm - 8.0, 28.0};
}

} // namespace vorn
