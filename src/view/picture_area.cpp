#include "picture_area.h"

#include <QPainter>

namespace vorn {

void PictureArea::setPixmap(const QPixmap& pixmap) {
    if (pixmap.cacheKey() == pixmap_.cacheKey()) return;
    pixmap_ = pixmap;
    update();
}

void PictureArea::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!pixmap_.isNull()) painter.drawPixmap(0, 0, pixmap_);
}

} // namespace vorn
