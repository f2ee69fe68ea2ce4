#pragma once
// Where the design's twips fall in the window: one factor for every length
// and for the font, and the corner where the design starts. In a window
// larger than the design, the design grows as a whole, keeps its proportions
// and stands centred, the window's background around it; at the design's own
// size the factor is 1 and a twip is a fifteenth of a pixel, as ever.

#include "platform/twips.h"

#include <QRect>

namespace vorn {

class DesignScale {
public:
    DesignScale() = default; // the design's own size, from the corner
    // The largest factor, never below 1, at which a design of `width` ×
    // `height` twips fits into `area` pixels, and the design centred there.
    static DesignScale Fitting(Twips width, Twips height, QSize area);

    double factor() const { return factor_; }
    QPoint origin() const { return origin_; }
    // A length in pixels.
    int px(Twips twips) const;
    // A control's rectangle, each edge rounded by itself so that neighbours
    // meet exactly; from the design's corner.
    QRect placed(Twips left, Twips top, Twips width, Twips height) const;
    // The same inside another control (the option buttons in their frame).
    QRect placedWithin(Twips left, Twips top, Twips width, Twips height) const;

    bool operator==(const DesignScale&) const = default;

private:
    DesignScale(double factor, QPoint origin) : factor_(factor), origin_(origin) {}

    double factor_ = 1.0;
    QPoint origin_;
};

} // namespace vorn
