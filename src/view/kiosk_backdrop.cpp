#include "kiosk_backdrop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace vorn {

KioskBackdrop::KioskBackdrop() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("KioskBackdrop"));
    setAutoFillBackground(true);
    qApp->installEventFilter(this);
    show();
    activateWindow();
}

KioskBackdrop::~KioskBackdrop() {
    qApp->removeEventFilter(this);
}

void KioskBackdrop::paintEvent(QPaintEvent* /*event*/) {
    QPainter(this).fillRect(rect(), palette().window());
}

void KioskBackdrop::closeEvent(QCloseEvent* event) {
    event->ignore();
}

bool KioskBackdrop::eventFilter(QObject* watched, QEvent* event) {
    // Shown, but not yet on the screen: the compositor learns of the parent
    // with the window.
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() == QEvent::Show && dialog && dialog->isWindow() && dialog->windowHandle() &&
        !dialog->windowHandle()->transientParent())
        dialog->windowHandle()->setTransientParent(windowHandle());
    return false;
}

} // namespace vorn
