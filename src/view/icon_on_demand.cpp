#include "icon_on_demand.h"

#include <QIconEngine>
#include <memory>

namespace vorn {

namespace {

class DeferredEngine : public QIconEngine {
public:
    explicit DeferredEngine(std::function<QIcon()> make)
        : state_(std::make_shared<State>(State{std::move(make), {}, false})) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // An engine's sizes are in device pixels: the made icon is asked at a
    // ratio of 1, so that it scales nothing again.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredEngine(*this); }

private:
    struct State {
        std::function<QIcon()> make;
        QIcon icon;
        bool made;
    };
    const QIcon& icon() const {
        if (!state_->made) {
            state_->icon = state_->make();
            state_->made = true;
        }
        return state_->icon;
    }
    std::shared_ptr<State> state_; // copies share the one icon, made once
};

} // namespace

QIcon IconOnDemand(std::function<QIcon()> make) {
    return QIcon(new DeferredEngine(std::move(make))); // the icon owns its engine
}

} // namespace vorn
