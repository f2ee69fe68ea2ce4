#pragma once
// Option buttons of one frame: a control array in which at most one button has
// Value True. Setting Value to True, from code or by a click, clears the other
// buttons and raises the group's click handler at once, nested in the caller,
// whatever the button's Enabled state. Setting it to False raises nothing.

#include "control.h"
#include "control_array.h"

#include <cstdint>
#include <functional>
#include <initializer_list>

namespace vorn {

class OptionGroup;

class OptionButton : public Control {
public:
    QString Caption;

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
    using ClickHandler = std::function<void(std::int16_t index)>;

    OptionGroup(const QString& name, std::initializer_list<int> indices);
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    OptionButton& operator()(int index) { return buttons_(index); }
    const OptionButton& operator()(int index) const { return buttons_(index); }
    std::vector<int> indices() const { return buttons_.indices(); }

    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

private:
    friend class OptionButton;
    void select(int index);

    ControlArray<OptionButton> buttons_;
    ClickHandler click_;
};

} // namespace vorn
