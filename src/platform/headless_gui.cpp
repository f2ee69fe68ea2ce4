#include "headless_gui.h"

namespace vorn {

HeadlessGui::HeadlessGui(bool withFonts) {
    if (QCoreApplication::instance()) return;
    // The application keeps these for its whole life.
    static int argc = 3;
    static char name[] = "vorn-player", option[] = "-platform", platform[] = "minimal",
                fontedPlatform[] = "minimal:enable_fonts";
    static char* argv[] = {name, option, platform, nullptr};
    if (withFonts) argv[2] = fontedPlatform;
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

HeadlessGui::~HeadlessGui() = default;

} // namespace vorn
