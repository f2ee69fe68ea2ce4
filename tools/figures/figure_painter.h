#pragma once
// Paints a figure: the parallelogram to scale, its named points, dashed
// heights, arcs and right-angle marks, the labels beside their segments and
// the caption lines, on a white picture of the figure's size.

#include "figure.h"

#include <QImage>

namespace vorn {

QImage PaintFigure(const Figure& figure);

} // namespace vorn
