#pragma once
// The picture area: the picture drawn from its top-left corner at its own
// size and clipped. On a dense screen each picture pixel becomes a block of
// screen pixels, never blended with its neighbours, so line drawings stay
// sharp.

#include <QPixmap>
#include <QWidget>

namespace vorn {

class PictureArea : public QWidget {
public:
    using QWidget::QWidget;

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
};

} // namespace vorn
