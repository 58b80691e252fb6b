#pragma once

#include <QPoint>

#include <functional>

namespace Nox {

/// Left clicks anywhere on the screen, taken from the input events of the platform rather
/// than by polling the button: a click is seen however short it is (a touchpad tap, a
/// synthetic click), where a poll sees only presses that last longer than its interval. A
/// click is reported on the release of a press made while the source runs, at the cursor
/// position read when the release arrives, in physical global pixels ((0, 0) when the cursor
/// cannot be read).
///
/// Thread rules: start() and stop() are called by one thread, the owner's, one at a time.
/// The handler runs on a thread of the source's own, between start() and the return of
/// stop(), never after; it must not call start() or stop(). The destructor stops the source.
class NoxClickSource
{
public:
    using ClickHandler = std::function<void(QPoint position)>;

    virtual ~NoxClickSource() = default;

    /// Starts reporting clicks to `handler`. False when the platform gives no such events
    /// (the caller then polls); nothing is reported. Starting a running source keeps it
    /// running with its first handler.
    virtual bool start(ClickHandler handler) = 0;
    /// Stops reporting: once it returns the handler is not called again and the source's
    /// thread has ended. Nothing happens when the source is not running.
    virtual void stop() = 0;
    /// Whether the source runs (between a successful start() and stop()).
    [[nodiscard]] virtual bool isRunning() const = 0;

protected:
    NoxClickSource() = default;
    NoxClickSource(const NoxClickSource &) = default;
    NoxClickSource &operator=(const NoxClickSource &) = default;
};

} // namespace Nox
