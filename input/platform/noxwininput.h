#pragma once

#include "input/noxinput.h"

namespace Nox {

/// User input on Windows through user32: GetCursorPos, SetCursorPos, SendInput and
/// GetAsyncKeyState. With the per-monitor DPI awareness that Qt 6 gives the process these
/// work in physical screen pixels.
///
/// Thread rules: every call is a single user32 call or a sequence that needs no shared
/// state, so any thread may use the object.
class NoxWinInput : public NoxInput
{
public:
    NoxWinInput() = default;

    [[nodiscard]] std::optional<QPoint> cursorPosition() override;
    bool moveCursor(QPoint point) override;
    bool leftClick(QPoint point, int delayMs) override;
    [[nodiscard]] bool isControlHeld() override;
    [[nodiscard]] bool isLeftButtonHeld() override;
};

} // namespace Nox
