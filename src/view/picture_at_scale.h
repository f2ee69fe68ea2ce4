#pragma once
// A question's picture as the picture area shows it. At the design's size a
// picture that fits the area keeps its own size and a larger one is made
// smaller to fit whole, its shape kept. In a window grown by a factor, the
// same picture grows by that factor, made again from its own pixels so that
// it stays sharp: enlarged pixel by pixel, never blended (line drawings keep
// their edges), made smaller smoothly.

#include <QImage>

namespace vorn {

// `designArea`: the area in pixels at the design's size; `shownArea`: the
// area as the window now has it, `factor` times as large.
QImage PictureAtScale(const QImage& picture, QSize designArea, QSize shownArea, double factor);

} // namespace vorn
