#include "picture_area.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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
    // Only an area that can open its picture large ever takes the focus.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace vorn
