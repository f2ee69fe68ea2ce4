#pragma once
// Which controls the examinee can act on: only visible, enabled ones (an
// option button also needs its frame to be). The view refuses every other
// input, whatever sends it: a window system never clicks a hidden control,
// but a synthetic event or an accessibility client's "press" action could.

namespace vorn {

template <typename C> bool TakesInput(const C& control) {
    return control.Visible && control.Enabled;
}

template <typename C, typename Container>
bool TakesInput(const C& control, const Container& container) {
    return TakesInput(control) && TakesInput(container);
}

} // namespace vorn
