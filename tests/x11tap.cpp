#include "x11tap.h"

#include <chrono>

// X11 defines macros (None, Bool, Status...) that clash with Qt: include it last.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace NoxTest {

long long x11Tap(QPoint p, unsigned int button)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        return -1;
    }
    XWarpPointer(display, 0L, DefaultRootWindow(display), 0, 0, 0, 0, p.x(), p.y());
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const bool pressed = XTestFakeButtonEvent(display, button, True, CurrentTime);
    const bool released = XTestFakeButtonEvent(display, button, False, CurrentTime);
    XFlush(display);
    const auto sent = std::chrono::steady_clock::now();
    XSync(display, False);
    XCloseDisplay(display);
    if (!pressed || !released) {
        return -1;
    }
    return std::chrono::duration_cast<std::chrono::microseconds>(sent - start).count();
}

bool x11SetLeftHanded(bool on)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    unsigned char map[256] = {};
    const int count = XGetPointerMapping(display, map, int(sizeof(map)));
    bool ok = count >= 3;
    if (ok) {
        for (int i = 0; i < count; ++i) {
            map[i] = static_cast<unsigned char>(i + 1);
        }
        if (on) {
            map[0] = 3;
            map[2] = 1;
        }
        ok = XSetPointerMapping(display, map, count) == MappingSuccess;
    }
    XSync(display, False);
    XCloseDisplay(display);
    return ok;
}

} // namespace NoxTest
