#include "picture_fit.h"

#include <algorithm>

namespace vorn {

EnlargedFit EnlargedPictureFit(QSize picture, QSize screen) {
    if (picture.width() > screen.width() || picture.height() > screen.height())
        return {.size = picture.scaled(screen, Qt::KeepAspectRatio), .smooth = true};
    const int factor =
        std::min(screen.width() / picture.width(), screen.height() / picture.height());
    return {.size = picture * factor, .smooth = false};
}

} // namespace vorn
