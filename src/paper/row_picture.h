#pragma once
// The parts of an upright sheet a person looks at to decide: one row of
// bubbles with its number, or the class number's bubbles.

#include <QImage>

namespace vorn {

// Row `position` (0-based) cut from `upright`, read at `pixelsPerMm`.
QImage RowPicture(const QImage& upright, double pixelsPerMm, int position);
// Both rows of the class number's bubbles.
QImage NumberPicture(const QImage& upright, double pixelsPerMm);

} // namespace vorn
