#include "read_only_text_box.h"

#include "contrast.h"

#include <QPainter>

namespace vorn {

ReadOnlyTextBox::ReadOnlyTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true); // the answer check relies on the option texts as shown
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Read-only boxes take the focus from the keyboard too, so that a
    // keyboard user can scroll and read them.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReadOnlyTextBox::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(viewport());
    painter.setPen(QPen(InkOn(palette().color(QPalette::Base)), 2));
    painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
}

void ReadOnlyTextBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void ReadOnlyTextBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

QString LineBreaksShown(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace vorn
