#pragma once
// The strip under the sheet's instructions that shows them: a bubble filled
// as it should be, a correction (the filled bubble crossed out beyond its
// edge, the right one filled), and marks the scanner cannot take for an
// answer (a tick, a cross alone).

#include <QPainter>
#include <QPointF>

namespace vorn {

// The strip with its left end and vertical centre at `origin` (millimetres).
void PaintMarkExamples(QPainter& painter, QPointF origin);

} // namespace vorn
