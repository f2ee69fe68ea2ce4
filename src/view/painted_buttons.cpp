#include "painted_buttons.h"

#include "contrast.h"

#include <QKeyEvent>
#include <QPainter>

namespace vorn {

namespace {

// Greyed parts of a disabled control: the mark and the border, never the text.
const QColor kGreyedMark(128, 128, 128);
const QColor kGreyedWell(224, 224, 224);

void DrawFocusFrame(QPainter& painter, const QRect& around, const QColor& ink) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawRect(around.adjusted(0, 0, -1, -1));
}

} // namespace

void FlatButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    const QColor ink = InkOn(face);
    painter.fillRect(rect(), face);

    // Pressed: a border twice as thick; disabled: dashed and grey.
    painter.setPen(
        QPen(isEnabled() ? ink : kGreyedMark, 1, isEnabled() ? Qt::SolidLine : Qt::DashLine));
    for (int i = 0; i < (isDown() ? 2 : 1); ++i)
        painter.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));

    const QRect textArea = rect().translated(isDown() ? QPoint(1, 1) : QPoint());
    painter.setPen(ink);
    painter.drawText(textArea, Qt::AlignCenter, text());
    if (hasFocus()) DrawFocusFrame(painter, rect().adjusted(3, 3, -3, -3), ink);
}

QRect FlatOptionButton::markRect() const {
    // 13 pixels on a button of the design's height (19), in proportion on a
    // larger one.
    const int size = qMin(qRound(height() * 13 / 19.0), height() - 4);
    return QRect(2, (height() - size) / 2, size, size);
}

void FlatOptionButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Window);
    const QColor ink = InkOn(face);
    painter.fillRect(rect(), face);

    painter.setRenderHint(QPainter::Antialiasing);
    const QRect mark = markRect();
    painter.setPen(QPen(isEnabled() ? QColor(0, 0, 0) : kGreyedMark, 1));
    painter.setBrush(isEnabled() ? QColor(255, 255, 255) : kGreyedWell);
    painter.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5));
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(isEnabled() ? QColor(0, 0, 0) : kGreyedMark);
        painter.drawEllipse(QRectF(mark).adjusted(3.5, 3.5, -3.5, -3.5));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QRect textArea = rect().adjusted(mark.right() + 5, 0, 0, 0);
    painter.setPen(ink);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        const QRect used = painter.boundingRect(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
        DrawFocusFrame(painter, used.adjusted(-2, 0, 2, 0).intersected(rect()), ink);
    }
}

bool FlatOptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void FlatOptionButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses as Space does; the arrow keys move the focus among the
    // visible option buttons of the frame without choosing, so that a key
    // never changes an answer the examinee did not pick.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        click();
        return;
    }
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (!forward && !back) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<FlatOptionButton*> group;
    for (QObject* sibling : parent()->children())
        if (auto* button = dynamic_cast<FlatOptionButton*>(sibling); button && button->isVisible())
            group.append(button);
    const qsizetype at = group.indexOf(this);
    if (at < 0 || group.size() < 2) return;
    group[(at + (forward ? 1 : group.size() - 1)) % group.size()]->setFocus(Qt::TabFocusReason);
}

} // namespace vorn
