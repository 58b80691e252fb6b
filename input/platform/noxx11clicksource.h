#pragma once

#include "input/noxclicksource.h"

#include <QByteArray>

#include <atomic>
#include <thread>
#include <vector>

struct _XDisplay;

namespace Nox {

/// Clicks from the X server's input events: XInput 2 raw button events selected on the root
/// window, which the server sends whatever window is under the pointer and whoever grabs it,
/// for every press however short. A raw event carries no position, so the pointer is read
/// with XQueryPointer when the release arrives. The left button is the physical button that
/// the pointer mapping turns into button 1, as the core pointer mask counts it (a
/// left-handed mapping is followed).
///
/// The source opens a display connection of its own at start() and closes it at stop(). Its
/// thread waits in poll() on that connection and on a wake-up pipe, never inside Xlib, so
/// stop() wakes it, joins it, then closes the connection.
///
/// Thread rules: start() and stop() on the owner's thread (the mouse tracker's); the
/// connection is used only by the source's thread while it runs, and by start() and stop()
/// around it. The handler runs on the source's thread.
class NoxX11ClickSource : public NoxClickSource
{
public:
    /// The XInput version asked of the server: 2.2 delivers raw events during grabs (2.0
    /// does not, but still reports clicks when nothing grabs the pointer).
    static constexpr int kWantedMajor = 2;
    static constexpr int kWantedMinor = 2;

    /// `displayName` as XOpenDisplay takes it (empty: the DISPLAY of the environment).
    explicit NoxX11ClickSource(const QByteArray &displayName = {});
    ~NoxX11ClickSource() override;
    NoxX11ClickSource(const NoxX11ClickSource &) = delete;
    NoxX11ClickSource &operator=(const NoxX11ClickSource &) = delete;

    /// False when the display cannot be opened or lacks XInput 2.0 or later.
    bool start(ClickHandler handler) override;
    void stop() override;
    [[nodiscard]] bool isRunning() const override { return m_running.load(); }

private:
    /// The source's thread: waits for events or the wake-up and reports the clicks.
    void run();
    /// Handles the events Xlib holds; `pressed` is the left button seen down (source thread).
    void drainEvents(bool &pressed);
    [[nodiscard]] bool isLeftButton(int physicalButton) const;
    /// Closes the connection and the pipe (not running).
    void release();

    QByteArray m_displayName;
    _XDisplay *m_display = nullptr;
    int m_opcode = 0; ///< the major opcode of XInputExtension on m_display
    int m_wake[2] = {-1, -1};
    /// Physical button (index + 1) to logical button, read at start().
    std::vector<unsigned char> m_buttonMap;
    ClickHandler m_handler;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
};

} // namespace Nox
