#pragma once
// Buttons drawn flat in the colour their control holds, whatever the style:
// the face is the palette's colour in every state, the caption is black or
// white, whichever reads better on it. Disabled buttons keep a legible
// caption and show their state by a dashed border (command buttons) or a
// greyed mark (option buttons); focus is a dotted frame.

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace vorn {

// The face is QPalette::Button. Enter presses it, as Space does.
class FlatButton : public QPushButton {
public:
    explicit FlatButton(QWidget* parent) : QPushButton(parent) { setAutoDefault(true); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The face is QPalette::Window; the round mark sits at the left.
class FlatOptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

    // Where the mark is drawn, for tests and for the mark's neighbours.
    QRect markRect() const;

    // The widget this button is the label of (its option's text box), for
    // assistive tools.
    void setLabelFor(QWidget* widget) { labelFor_ = widget; }
    QWidget* labelFor() const { return labelFor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> labelFor_;
};

} // namespace vorn
