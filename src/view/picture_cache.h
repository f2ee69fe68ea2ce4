#pragma once
// A decoded picture kept while the model still shares it, made for the size
// of the place that shows it (picture_at_scale.h); made again only when the
// picture or that size changes.

#include "platform/picture.h"

#include <QPixmap>
#include <QSize>

namespace vorn {

class PictureCache {
public:
    // `designArea`: the place in pixels at the design's size; `shownArea`: as
    // the window now has it, `factor` times as large. Nothing for a picture
    // that does not decode.
    QPixmap pixmap(const Picture& picture, QSize designArea, QSize shownArea, double factor);

private:
    QSize shownArea_;
    Picture last_;
    QPixmap pixmap_;
};

} // namespace vorn
