#include "design_scale.h"

#include <algorithm>
#include <cmath>

namespace vorn {

DesignScale DesignScale::Fitting(Twips width, Twips height, QSize area) {
    const double across = area.width() * static_cast<double>(kTwipsPerPixel) / width;
    const double down = area.height() * static_cast<double>(kTwipsPerPixel) / height;
    const DesignScale grown(std::max(1.0, std::min(across, down)), QPoint());
    const QSize used(grown.px(width), grown.px(height));
    // A window smaller than the design shows it from the corner, as ever.
    const QPoint centred(std::max(0, (area.width() - used.width()) / 2),
                         std::max(0, (area.height() - used.height()) / 2));
    return DesignScale(grown.factor_, centred);
}

int DesignScale::px(Twips twips) const {
    return static_cast<int>(std::lround(twips * factor_ / kTwipsPerPixel));
}

QRect DesignScale::placedWithin(Twips left, Twips top, Twips width, Twips height) const {
    const int x = px(left);
    const int y = px(top);
    return QRect(x, y, px(left + width) - x, px(top + height) - y);
}

QRect DesignScale::placed(Twips left, Twips top, Twips width, Twips height) const {
    return placedWithin(left, top, width, height).translated(origin_);
}

} // namespace vorn
