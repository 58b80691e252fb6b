#pragma once

#include "input/noxinput.h"

#include <QByteArray>
#include <QMutex>

struct _XDisplay;

namespace Nox {

/// User input on an X11 display: the cursor through XQueryPointer and XWarpPointer, clicks
/// through the XTest extension (seen by the window under the cursor as real clicks), the
/// Control key and the left button from the pointer's modifier mask. X11 coordinates are
/// the server's own pixels, the physical pixels of the screen.
///
/// Thread rules: one display connection per object, every call serialised by its lock, so
/// the mouse tracker's thread and the GUI thread may share one object. A click holds the lock
/// for its whole duration, delays included.
class NoxX11Input : public NoxInput
{
public:
    /// Opens a connection to `displayName` (empty: the DISPLAY of the environment).
    explicit NoxX11Input(const QByteArray &displayName = {});
    ~NoxX11Input() override;
    NoxX11Input(const NoxX11Input &) = delete;
    NoxX11Input &operator=(const NoxX11Input &) = delete;

    /// False when no display could be opened or it lacks XTest; every call then fails.
    [[nodiscard]] bool isValid() const;

    [[nodiscard]] std::optional<QPoint> cursorPosition() override;
    bool moveCursor(QPoint point) override;
    bool leftClick(QPoint point, int delayMs) override;
    [[nodiscard]] bool isControlHeld() override;
    [[nodiscard]] bool isLeftButtonHeld() override;
    /// The XInput 2 click source of the same display (NoxX11ClickSource) when the program is
    /// built with XInput; it opens a connection of its own and falls back to polling (start()
    /// fails) on a server without XInput 2.
    [[nodiscard]] std::unique_ptr<NoxClickSource> createClickSource() override;

private:
    /// The modifier and button mask of the pointer; none when it cannot be read (lock held).
    [[nodiscard]] std::optional<unsigned int> pointerMaskLocked();
    bool moveLocked(QPoint point);

    QMutex m_mutex;
    QByteArray m_displayName;
    _XDisplay *m_display = nullptr;
    bool m_hasXTest = false;
};

} // namespace Nox
