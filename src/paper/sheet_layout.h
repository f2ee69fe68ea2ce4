#pragma once
// Where everything stands on an answer sheet, in millimetres from the top
// left corner of an A4 page held upright. The printer draws from it and the
// scanner looks where it says: one home for the sheet's geometry.
//
//   +--------------------------------------------+
//   | [■]                                  [■]   |  corner marks
//   |  title, variant, name/class/number   [QR]  |
//   |  number bubbles: tens, then units (0..9)     |
//   |  instructions                               |
//   |   1. (A)(B)(C)(D)(E)    16. (A)(B)(C)       |  rows: two columns
//   |   2. (A)(B)(C)          17. (A)(B)(C)(D)    |  of kRowsPerColumn
//   |  ...                                        |
//   | [■]                                  [■]   |
//   +--------------------------------------------+

#include <QPointF>
#include <QRectF>
#include <array>

namespace vorn {

inline constexpr double kPageWidthMm = 210.0;
inline constexpr double kPageHeightMm = 297.0;

// Rows of bubbles a sheet holds: the largest run (29 questions and the check
// copy of the first).
inline constexpr int kSheetRows = 30;
inline constexpr int kRowsPerColumn = 15;
inline constexpr int kSheetLetters = 5; // A to E

// The four filled squares the scanner finds first: their centres, clockwise
// from the top left, and their side.
std::array<QPointF, 4> CornerMarkCentres();
inline constexpr double kCornerMarkSideMm = 8.0;

// The QR code with the sheet's identity, quiet zone included.
QRectF SheetCodeArea();

// The bubble of `letter` (0 = A) in the row of `position` (0-based, the
// place in the variant's question order), and the radius of every bubble.
QPointF BubbleCentre(int position, int letter);
inline constexpr double kBubbleRadiusMm = 2.6;
// Where the row's number ("12.") is written, right-aligned to this point.
QPointF RowLabelAnchor(int position);

// The class number on a blank sheet: a row of ten bubbles for the tens
// (column 0), one for the units (column 1), digit 0 at the left.
QPointF NumberBubbleCentre(int column, int digit);

// The strip the student's name, class and number are printed in, or left
// blank for the student to write.
QRectF StudentArea();
// The sheet's heading: the bank's title and the variant.
QRectF HeadingArea();
// What the student is told (SheetInstructions()).
QRectF InstructionsArea();

} // namespace vorn
