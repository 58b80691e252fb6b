#include "input/platform/noxx11clicksource.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// X11 defines macros (None, Bool, Status...) that clash with Qt: include it last.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace Nox {

NoxX11ClickSource::NoxX11ClickSource(const QByteArray &displayName)
    : m_displayName(displayName)
{}

NoxX11ClickSource::~NoxX11ClickSource()
{
    stop();
}

bool NoxX11ClickSource::start(ClickHandler handler)
{
    if (m_running) {
        return true;
    }
    m_display = XOpenDisplay(m_displayName.isEmpty() ? nullptr : m_displayName.constData());
    if (!m_display) {
        return false;
    }
    int event = 0, error = 0;
    int major = kWantedMajor, minor = kWantedMinor;
    // XIQueryVersion answers BadRequest, without a round trip that could raise an X error,
    // when the server lacks XInput 2.
    if (!XQueryExtension(m_display, "XInputExtension", &m_opcode, &event, &error) ||
        XIQueryVersion(m_display, &major, &minor) != Success || major < 2) {
        release();
        return false;
    }

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);

    unsigned char map[256] = {};
    const int buttons = XGetPointerMapping(m_display, map, int(sizeof(map)));
    m_buttonMap.assign(map, map + std::max(buttons, 0));
    // The selection is in force before start() returns: a click made afterwards is seen.
    XSync(m_display, False);

    if (pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_wake[0] = m_wake[1] = -1;
        release();
        return false;
    }
    m_handler = std::move(handler);
    m_running = true;
    m_thread = std::thread(&NoxX11ClickSource::run, this);
    return true;
}

void NoxX11ClickSource::stop()
{
    if (!m_running) {
        return;
    }
    const char wake = 1;
    while (write(m_wake[1], &wake, 1) < 0 && errno == EINTR) {
    }
    m_thread.join();
    m_running = false;
    m_handler = nullptr;
    release();
}

void NoxX11ClickSource::release()
{
    if (m_display) {
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
    for (int &fd : m_wake) {
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
    }
    m_buttonMap.clear();
}

bool NoxX11ClickSource::isLeftButton(int physicalButton) const
{
    if (physicalButton < 1) {
        return false;
    }
    if (size_t(physicalButton) > m_buttonMap.size()) {
        return physicalButton == Button1;
    }
    return m_buttonMap[size_t(physicalButton) - 1] == Button1;
}

void NoxX11ClickSource::run()
{
    bool pressed = false;
    pollfd fds[2] = {{ConnectionNumber(m_display), POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    for (;;) {
        // Xlib may already hold events read during an earlier call: handle them before waiting.
        drainEvents(pressed);
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            return; // the server went away
        }
    }
}

void NoxX11ClickSource::drainEvents(bool &pressed)
{
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        XGenericEventCookie *cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_opcode ||
            !XGetEventData(m_display, cookie)) {
            continue;
        }
        const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
        const bool left = isLeftButton(raw->detail);
        const int type = cookie->evtype;
        XFreeEventData(m_display, cookie);
        if (!left) {
            continue;
        }
        if (type == XI_RawButtonPress) {
            pressed = true;
        } else if (type == XI_RawButtonRelease && pressed) {
            // Only a press seen by this source makes a click: a button already down at start()
            // is not one.
            pressed = false;
            Window root = 0, child = 0;
            int rootX = 0, rootY = 0, winX = 0, winY = 0;
            unsigned int buttons = 0;
            const bool read = XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX,
                                            &rootY, &winX, &winY, &buttons);
            m_handler(read ? QPoint(rootX, rootY) : QPoint(0, 0));
        }
    }
}

} // namespace Nox
