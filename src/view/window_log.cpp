#include "window_log.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace vorn {

namespace {

class WindowLog : public QObject {
public:
    explicit WindowLog(const QString& path) : QObject(qApp), file_(path) {
        file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    write(state == Qt::ApplicationActive ? "keyboard in" : "keyboard out");
                });
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const bool placed = event->type() == QEvent::Show || event->type() == QEvent::Resize;
        if (placed && widget && widget->isWindow() && widget->isVisible()) {
            // "window QMainWindow 1280x720 screen 1280x720 frameless", "window
            // QDialog 251x168 screen 1280x720 over its parent": a window by its
            // object name, else by its class; its size only, as a Wayland
            // client does not know where it stands.
            const QSize screen = widget->screen()->geometry().size();
            const QString name = widget->objectName().isEmpty()
                                     ? QString::fromLatin1(widget->metaObject()->className())
                                     : widget->objectName();
            const bool over = widget->windowHandle() && widget->windowHandle()->transientParent();
            write(QStringLiteral("window %1 %2x%3 screen %4x%5%6%7")
                      .arg(name)
                      .arg(widget->width())
                      .arg(widget->height())
                      .arg(screen.width())
                      .arg(screen.height())
                      .arg(widget->windowFlags().testFlag(Qt::FramelessWindowHint)
                               ? QStringLiteral(" frameless")
                               : QString())
                      .arg(over ? QStringLiteral(" over its parent") : QString()));
        }
        return false;
    }

private:
    void write(const QString& line) { file_.write((line + u'\n').toUtf8()); }
    QFile file_;
};

} // namespace

void LogWindowsForTests() {
    const QString path = qEnvironmentVariable("VORN_TEST_WINDOW_LOG");
    if (!path.isEmpty()) new WindowLog(path); // owned by the application
}

} // namespace vorn
