#include "option_frame.h"

#include "contrast.h"

#include <QPainter>
#include <QPainterPath>

namespace vorn {

void OptionFrame::setMarks(const std::array<Mark, 5>& marks,
                           const std::array<QWidget*, 5>& buttons) {
    buttons_ = buttons;
    if (marks == marks_) return;
    marks_ = marks;
    update();
}

QRect OptionFrame::markRect(int index) const {
    const QWidget* button = buttons_.at(static_cast<std::size_t>(index));
    if (!button) return {};
    // In the gap left of the button: the gaps are 24 to 40 pixels wide at the
    // design's size, where the button is 19 high and the mark 16 wide.
    const int side = qRound(button->height() * 16 / 19.0);
    return QRect(button->x() - side - 3, button->y() + (button->height() - side) / 2, side, side);
}

void OptionFrame::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = InkOn(palette().color(QPalette::Window));
    for (int i = 0; i < 5; ++i) {
        const Mark mark = marks_[static_cast<std::size_t>(i)];
        const QWidget* button = buttons_[static_cast<std::size_t>(i)];
        if (mark == Mark::None || !button || button->isHidden()) continue;
        const QRectF r = QRectF(markRect(i)).adjusted(2, 2, -2, -2);
        QPainterPath path;
        if (mark != Mark::Wrong) {
            path.moveTo(r.left(), r.center().y());
            path.lineTo(r.left() + r.width() * 0.4, r.bottom());
            path.lineTo(r.right(), r.top());
        } else {
            path.moveTo(r.topLeft());
            path.lineTo(r.bottomRight());
            path.moveTo(r.topRight());
            path.lineTo(r.bottomLeft());
        }
        painter.strokePath(path, QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
}

} // namespace vorn
