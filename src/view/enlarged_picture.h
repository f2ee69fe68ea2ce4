#pragma once
// A question's picture opened large: a modal view over the window, as large
// as the screen allows (platform/picture_fit.h), drawn from the picture's own
// pixels. Esc, Enter, Space or a click closes it. It is opened without a
// nested event loop, so the test's clock and everything else go on.

#include <QDialog>
#include <QImage>
#include <QPixmap>

namespace vorn {

class EnlargedPicture : public QDialog {
public:
    // `image`: the decoded picture; the view fits it to `parent`'s screen.
    EnlargedPicture(const QImage& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap pixmap_;
};

// Opens the view of `image` over `parent`'s window and returns at once; the
// view deletes itself when closed.
EnlargedPicture* OpenEnlargedPicture(const QImage& image, QWidget* parent);

} // namespace vorn
