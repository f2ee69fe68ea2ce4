#pragma once
// What the exam session shows behind everything: a plain window on the whole
// screen, up before the first question (which exam, who answers) or message.
// The compositor (cage) shows only the newest window that has no parent, and
// stretches it over the screen: a message box of its own would stand in a
// corner of a black screen. So every dialog shown without a parent is made
// the backdrop's, and is shown centred over it at its own size.

#include <QWidget>

namespace vorn {

class KioskBackdrop : public QWidget {
public:
    KioskBackdrop();
    ~KioskBackdrop() override;
    KioskBackdrop(const KioskBackdrop&) = delete;
    KioskBackdrop& operator=(const KioskBackdrop&) = delete;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // it stays while the program runs
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vorn
