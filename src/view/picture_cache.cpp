#include "picture_cache.h"

#include "bank/bank_pictures.h"
#include "picture_at_scale.h"

namespace vorn {

QPixmap PictureCache::pixmap(const Picture& picture, QSize designArea, QSize shownArea,
                             double factor) {
    if (!picture) return {};
    if (picture != last_ || shownArea != shownArea_) {
        last_ = picture;
        shownArea_ = shownArea;
        // Decoded only as a bank's picture may be: the accepted formats,
        // within the caps; anything else shows nothing.
        const auto decoded = DecodePicture(DrawnBytes(*picture));
        const auto* image = std::get_if<QImage>(&decoded);
        pixmap_ = image ? QPixmap::fromImage(PictureAtScale(*image, designArea, shownArea, factor))
                        : QPixmap();
    }
    return pixmap_;
}

} // namespace vorn
