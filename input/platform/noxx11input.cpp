#include "input/platform/noxx11input.h"

#include <QThread>

#if defined(NOX_HAVE_XI2)
#include "input/platform/noxx11clicksource.h"
#endif

// X11 defines macros (None, Bool, Status...) that clash with Qt: include it last.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace Nox {

NoxX11Input::NoxX11Input(const QByteArray &displayName)
    : m_displayName(displayName)
{
    m_display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (m_display) {
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        m_hasXTest = XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor);
    }
}

NoxX11Input::~NoxX11Input()
{
    if (m_display) {
        XCloseDisplay(m_display);
    }
}

bool NoxX11Input::isValid() const
{
    return m_display && m_hasXTest;
}

std::optional<unsigned int> NoxX11Input::pointerMaskLocked()
{
    if (!m_display) {
        return std::nullopt;
    }
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &winX, &winY,
                       &mask)) {
        return std::nullopt;
    }
    return mask;
}

std::optional<QPoint> NoxX11Input::cursorPosition()
{
    QMutexLocker lock(&m_mutex);
    if (!m_display) {
        return std::nullopt;
    }
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    // False means the pointer is on another screen of the display: its root position is
    // still given, but not relative to the screen we click on.
    if (!XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &winX, &winY,
                       &mask)) {
        return std::nullopt;
    }
    return QPoint(rootX, rootY);
}

bool NoxX11Input::moveLocked(QPoint point)
{
    if (!m_display) {
        return false;
    }
    XWarpPointer(m_display, 0L, DefaultRootWindow(m_display), 0, 0, 0, 0, point.x(), point.y());
    // The server must have moved the pointer before a button event is faked at it.
    XSync(m_display, False);
    return true;
}

bool NoxX11Input::moveCursor(QPoint point)
{
    QMutexLocker lock(&m_mutex);
    return moveLocked(point);
}

bool NoxX11Input::leftClick(QPoint point, int delayMs)
{
    QMutexLocker lock(&m_mutex);
    if (!m_hasXTest || !moveLocked(point)) {
        return false;
    }
    const bool pressed = XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XSync(m_display, False);
    if (delayMs > 0) {
        QThread::msleep(ulong(delayMs));
    }
    const bool released = XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XSync(m_display, False);
    if (delayMs > 0) {
        QThread::msleep(ulong(delayMs));
    }
    return pressed && released;
}

bool NoxX11Input::isControlHeld()
{
    QMutexLocker lock(&m_mutex);
    const auto mask = pointerMaskLocked();
    return mask && (*mask & ControlMask);
}

bool NoxX11Input::isLeftButtonHeld()
{
    QMutexLocker lock(&m_mutex);
    const auto mask = pointerMaskLocked();
    return mask && (*mask & Button1Mask);
}

std::unique_ptr<NoxClickSource> NoxX11Input::createClickSource()
{
#if defined(NOX_HAVE_XI2)
    return std::make_unique<NoxX11ClickSource>(m_displayName);
#else
    return nullptr;
#endif
}

} // namespace Nox
