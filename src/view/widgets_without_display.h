#pragma once
// A widget application of Qt's "offscreen" platform with the window's look,
// for commands that lay texts out as the window does and show nothing. The
// "minimal" platform of a plain reading command has no fonts to measure with.

#include <QApplication>
#include <memory>

namespace vorn {

class WidgetsWithoutDisplay {
public:
    WidgetsWithoutDisplay(); // nothing when an application is already there
    ~WidgetsWithoutDisplay();
    WidgetsWithoutDisplay(const WidgetsWithoutDisplay&) = delete;
    WidgetsWithoutDisplay& operator=(const WidgetsWithoutDisplay&) = delete;

private:
    std::unique_ptr<QApplication> app_;
};

} // namespace vorn
