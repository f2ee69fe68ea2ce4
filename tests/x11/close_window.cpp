// vorn-close-window WINDOW: asks a window to close as a window manager does,
// with the WM_DELETE_WINDOW client message (Xvfb has no window manager).

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vorn-close-window WINDOW\n", stderr);
        return 2;
    }
    char* end = nullptr;
    const Window window = std::strtoul(argv[1], &end, 0);
    if (*end != '\0' || window == 0) {
        std::fprintf(stderr, "vorn-close-window: not a window id: %s\n", argv[1]);
        return 2;
    }
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fputs("vorn-close-window: cannot open the display\n", stderr);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] =
        static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(display.get(), window, False, NoEventMask, &event)) return 1;
    XSync(display.get(), False);
    return 0;
}
