#pragma once
// Legibility of text on a coloured face, measured as screen readers' guidelines
// do (WCAG 2): relative luminance and the contrast ratio of two colours.

#include <QColor>

namespace vorn {

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b); // 1 .. 21

// Black or white, whichever reads better on the background.
QColor InkOn(const QColor& background);

} // namespace vorn
