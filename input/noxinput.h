#pragma once

#include "input/noxclicksource.h"

#include <QPoint>

#include <memory>
#include <optional>

namespace Nox {

/// The user input that calibration and automatic betting need from the platform: read and
/// move the cursor, click the left button, see whether Control or the left button is held.
/// Points are physical global screen pixels (what the platform itself reports), never Qt's
/// device-independent pixels, so a point captured during calibration is clicked at the same
/// place whatever the display scaling.
///
/// Thread rules: implementations may be called from any thread, one call at a time per
/// thread; the platform implementations serialise their calls internally. The mouse
/// tracker polls from its own thread while the GUI thread may use the same object. A click
/// source made by createClickSource() is independent of this object (its own connection to
/// the platform) and may outlive it.
class NoxInput
{
public:
    virtual ~NoxInput() = default;

    /// The cursor's global position; none when it cannot be read.
    [[nodiscard]] virtual std::optional<QPoint> cursorPosition() = 0;
    /// Puts the cursor on a global point. False when the platform refused.
    virtual bool moveCursor(QPoint point) = 0;
    /// A real left click at `point`: move there, press, wait `delayMs`, release, wait
    /// `delayMs`. False when the platform refused.
    virtual bool leftClick(QPoint point, int delayMs) = 0;
    /// True while a Control key is down.
    [[nodiscard]] virtual bool isControlHeld() = 0;
    /// True while the left mouse button is down.
    [[nodiscard]] virtual bool isLeftButtonHeld() = 0;
    /// Waits `ms` milliseconds on the calling thread (a plain sleep; a fake records it).
    virtual void sleep(int ms);
    /// A source of the clicks from the platform's input events, for the calibration's click
    /// capture; none (the default) where the platform has no such events: the capture then
    /// polls isLeftButtonHeld(). A source that cannot start also leaves the capture polling.
    [[nodiscard]] virtual std::unique_ptr<NoxClickSource> createClickSource();

protected:
    NoxInput() = default;
    NoxInput(const NoxInput &) = default;
    NoxInput &operator=(const NoxInput &) = default;
};

} // namespace Nox
