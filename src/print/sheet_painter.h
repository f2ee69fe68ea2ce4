#pragma once
// An answer sheet drawn where sheet_layout.h places everything: corner
// marks, the QR code, heading, the student's strip (printed, or blank with
// number bubbles), instructions and one row of bubbles per position.

#include "paper/sheet_code.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace vorn {

// The printed bubbles' outline, on the sheets and in the marking examples:
// thin, so that an empty bubble stays far lighter than a filled one for the
// scanner.
inline const QColor kBubbleOutline{70, 70, 70};
inline constexpr double kBubbleOutlineMm = 0.25;

struct SheetContent {
    QString bankTitle;
    int variant = 0; // 1-based
    SheetCode code;
    std::vector<int> optionCounts; // per row (position), 2..5
};

// The sheet on `painter`, whose coordinates are millimetres of the A4 page
// (0,0 its top left corner, 210 x 297).
void PaintSheet(QPainter& painter, const SheetContent& sheet);

// The sheet as a grey page image (Format_Grayscale8) at `dpi`, on white.
QImage RenderSheet(const SheetContent& sheet, double dpi);

} // namespace vorn
