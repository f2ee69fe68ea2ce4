#pragma once
// The window icon: a parallelogram with a tick, drawn in the 16 colours of the
// standard palette, as a 32 x 32 and a 16 x 16 image.

#include <QIcon>
#include <QImage>

class QPainter;

namespace vorn {

void PaintIcon(QPainter& painter); // the drawing itself, in a 32 x 32 box
QImage IconImage(int size);        // 16 colours at most, and transparency
QIcon WindowIcon();

} // namespace vorn
