#include "widgets_without_display.h"

#include "startup.h"

namespace vorn {

WidgetsWithoutDisplay::WidgetsWithoutDisplay() {
    if (QCoreApplication::instance()) return;
    StartNoSessionBus(); // nothing here may leave a bus behind
    // The application keeps these for its whole life.
    static int argc = 3;
    static char name[] = "vorn-player", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
    ApplyLook(*app_);
}

WidgetsWithoutDisplay::~WidgetsWithoutDisplay() = default;

} // namespace vorn
