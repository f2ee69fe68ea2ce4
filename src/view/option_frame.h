#pragma once
// The frame of the option buttons. In review it also draws, left of each
// button, its mark: a tick for the right option (chosen or not), a cross for a
// wrong one chosen, so the result does not rest on colour alone.

#include "form/option_group.h"

#include <QWidget>
#include <array>

namespace vorn {

class OptionFrame : public QWidget {
public:
    using Mark = OptionMark;
    using QWidget::QWidget;

    // Marks for the buttons; `buttons` are the frame's option buttons in
    // index order, which place the marks.
    void setMarks(const std::array<Mark, 5>& marks, const std::array<QWidget*, 5>& buttons);
    Mark mark(int index) const { return marks_.at(static_cast<std::size_t>(index)); }
    QRect markRect(int index) const; // where the mark of a button is drawn

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<Mark, 5> marks_{};
    std::array<QWidget*, 5> buttons_{};
};

} // namespace vorn
