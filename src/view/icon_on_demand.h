#pragma once
// An icon made only when it is first drawn or measured, for an icon a widget
// asks for when it is made but may never show.

#include <QIcon>
#include <functional>

namespace vorn {

QIcon IconOnDemand(std::function<QIcon()> make);

} // namespace vorn
