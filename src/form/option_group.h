#pragma once
// Option buttons of one frame: a control array in which at most one button has
// Value True. Setting Value to True clears the other buttons. Setting a value
// raises no event: a click is the form's choose(), which the view calls.

#include "control.h"
#include "control_array.h"

#include <initializer_list>

namespace vorn {

class OptionGroup;

// What review says of an option, beside its colour: screen readers and the
// frame's ticks read this, never the colour.
enum class OptionMark { None, Right, Wrong, RightNotChosen };

class OptionButton : public Control {
public:
    QString Caption;
    OptionMark mark = OptionMark::None;

    bool Value() const { return value_; }
    void setValue(bool value);

private:
    friend class OptionGroup;
    OptionGroup* group_ = nullptr;
    int index_ = 0;
    bool value_ = false;
};

class OptionGroup {
public:
    OptionGroup(const QString& name, std::initializer_list<int> indices);
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    OptionButton& operator()(int index) { return buttons_(index); }
    const OptionButton& operator()(int index) const { return buttons_(index); }
    std::vector<int> indices() const { return buttons_.indices(); }

private:
    friend class OptionButton;
    void select(int index);

    ControlArray<OptionButton> buttons_;
};

} // namespace vorn
