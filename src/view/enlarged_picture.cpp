#include "enlarged_picture.h"

#include "platform/picture_fit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace vorn {

namespace {

QSize ScreenSize(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

QPixmap Fitted(const QImage& image, QSize screen) {
    const EnlargedFit fit = EnlargedPictureFit(image.size(), screen);
    return QPixmap::fromImage(
        image.scaled(fit.size, Qt::IgnoreAspectRatio,
                     fit.smooth ? Qt::SmoothTransformation : Qt::FastTransformation));
}

} // namespace

EnlargedPicture::EnlargedPicture(const QImage& image, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      pixmap_(Fitted(image, ScreenSize(parent))) {
    setObjectName(QStringLiteral("EnlargedPicture"));
    setWindowTitle(QStringLiteral("Картинка към въпроса"));
    setAccessibleName(QStringLiteral("Картинка към въпроса, в голям размер"));
    setAccessibleDescription(QStringLiteral("Esc, Enter или щракване я затваря."));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixmap_.size());
}

void EnlargedPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter(this).drawPixmap(0, 0, pixmap_);
}

void EnlargedPicture::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        accept();
        return;
    default:
        QDialog::keyPressEvent(event); // Esc rejects
    }
}

void EnlargedPicture::mousePressEvent(QMouseEvent* /*event*/) {
    accept();
}

EnlargedPicture* OpenEnlargedPicture(const QImage& image, QWidget* parent) {
    auto* view = new EnlargedPicture(image, parent); // deletes itself when closed
    if (parent) {
        const QRect screen = parent->screen()->availableGeometry();
        view->move(screen.center() - view->rect().center());
    }
    view->open();
    view->activateWindow(); // a frameless window may not be given the keys otherwise
    return view;
}

} // namespace vorn
