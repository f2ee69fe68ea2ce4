#include "picture_at_scale.h"

#include <cmath>

namespace vorn {

QImage PictureAtScale(const QImage& picture, QSize designArea, QSize shownArea, double factor) {
    const bool fits =
        picture.width() <= designArea.width() && picture.height() <= designArea.height();
    if (fits && factor == 1.0) return picture;
    const QSize wanted = fits ? QSize(static_cast<int>(std::lround(picture.width() * factor)),
                                      static_cast<int>(std::lround(picture.height() * factor)))
                                    .boundedTo(shownArea)
                              : picture.size().scaled(shownArea, Qt::KeepAspectRatio);
    const bool larger = wanted.width() > picture.width() || wanted.height() > picture.height();
    return picture.scaled(wanted, Qt::IgnoreAspectRatio,
                          larger ? Qt::FastTransformation : Qt::SmoothTransformation);
}

} // namespace vorn
