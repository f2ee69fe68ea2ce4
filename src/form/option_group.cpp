#include "option_group.h"

namespace vorn {

OptionGroup::OptionGroup(const QString& name, std::initializer_list<int> indices)
    : buttons_(name, indices) {
    for (const int i : buttons_.indices()) {
        buttons_(i).group_ = this;
        buttons_(i).index_ = i;
    }
}

void OptionButton::setValue(bool value) {
    if (!value) {
        value_ = false;
        return;
    }
    group_->select(index_);
}

void OptionGroup::select(int index) {
    for (const int i : buttons_.indices())
        buttons_(i).value_ = (i == index);
}

} // namespace vorn
