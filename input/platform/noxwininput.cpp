#include "input/platform/noxwininput.h"

#include <windows.h>

namespace Nox {

namespace {

bool sendButton(DWORD flag)
{
    // Only the button flag: no move and no coordinates, the click lands where the cursor is.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    return SendInput(1, &input, sizeof(INPUT)) == 1;
}

bool isKeyDown(int virtualKey)
{
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

std::optional<QPoint> NoxWinInput::cursorPosition()
{
    POINT p;
    if (!GetCursorPos(&p)) {
        return std::nullopt;
    }
    return QPoint(int(p.x), int(p.y));
}

bool NoxWinInput::moveCursor(QPoint point)
{
    return SetCursorPos(point.x(), point.y()) != 0;
}

bool NoxWinInput::leftClick(QPoint point, int delayMs)
{
    if (!moveCursor(point)) {
        return false;
    }
    const bool down = sendButton(MOUSEEVENTF_LEFTDOWN);
    sleep(delayMs);
    const bool up = sendButton(MOUSEEVENTF_LEFTUP);
    sleep(delayMs);
    return down && up;
}

bool NoxWinInput::isControlHeld()
{
    return isKeyDown(VK_CONTROL);
}

bool NoxWinInput::isLeftButtonHeld()
{
    return isKeyDown(VK_LBUTTON);
}

} // namespace Nox
