#pragma once
// A read-only, multi-line text box with a vertical scroll bar. When it has the
// focus it draws a frame inside its edges, so that a keyboard user sees where
// the focus is (the style draws none for a read-only box).

#include <QPlainTextEdit>

namespace vorn {

class ReadOnlyTextBox : public QPlainTextEdit {
public:
    explicit ReadOnlyTextBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Texts keep their "\r\n" line ends in the model; the boxes show line breaks.
QString LineBreaksShown(QString text);

} // namespace vorn
