// vorn-press-key CODE: presses and releases the physical key with X11 key
// code CODE (XTest), whatever the keyboard layout makes it type.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

} // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const unsigned long code = argc == 2 ? std::strtoul(argv[1], &end, 0) : 0;
    if (argc != 2 || *end != '\0' || code < 8 || code > 255) {
        std::fputs("usage: vorn-press-key CODE (an X11 key code, 8 to 255)\n", stderr);
        return 2;
    }
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fputs("vorn-press-key: cannot open the display\n", stderr);
        return 1;
    }
    const auto key = static_cast<unsigned>(code);
    if (!XTestFakeKeyEvent(display.get(), key, True, CurrentTime) ||
        !XTestFakeKeyEvent(display.get(), key, False, CurrentTime))
        return 1;
    XSync(display.get(), False);
    return 0;
}
