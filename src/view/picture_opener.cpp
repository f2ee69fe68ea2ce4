#include "picture_opener.h"

#include "bank/bank_pictures.h"
#include "enlarged_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace vorn {

PictureOpener::PictureOpener(QWidget* area, std::function<Picture()> shown)
    : QObject(area), area_(area), shown_(std::move(shown)) {
    area_->setFocusPolicy(Qt::StrongFocus);
    area_->installEventFilter(this);
}

QString OpensLargeDescription() {
    return QStringLiteral("Щракване, Enter или интервал я отваря в голям размер.");
}

EnlargedPicture* PictureOpener::open() {
    const Picture picture = shown_();
    if (!picture || opened_) return nullptr;
    // Decoded again from the file's bytes, not taken from the area's smaller copy.
    const auto decoded = DecodePicture(DrawnBytes(*picture));
    const auto* image = std::get_if<QImage>(&decoded);
    if (!image) return nullptr;
    opened_ = OpenEnlargedPicture(*image, area_);
    return opened_;
}

void PictureOpener::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

EnlargedPicture* PictureOpener::opened() const {
    return opened_;
}

bool PictureOpener::eventFilter(QObject* /*watched*/, QEvent* event) {
    // The event's kind first: the window's teardown sends hide events here
    // after the form that answers `shown_` is gone.
    const bool click = event->type() == QEvent::MouseButtonPress &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const auto key = [event] { return static_cast<QKeyEvent*>(event)->key(); };
    const bool opening =
        click || (event->type() == QEvent::KeyPress &&
                  (key() == Qt::Key_Return || key() == Qt::Key_Enter || key() == Qt::Key_Space));
    if (!opening || !area_->isEnabled() || !shown_()) return false;
    open();
    return true;
}

} // namespace vorn
