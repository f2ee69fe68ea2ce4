#include "first_frame.h"

#include "platform/exit_status.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vorn {

namespace {

class FirstFrameWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(kExitOk); }); // after this paint
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

void QuitAfterFirstFrame(QWidget* widget) {
    widget->installEventFilter(new FirstFrameWatch(widget));
}

} // namespace vorn
