// Built by the cross-compilation check only: a Windows program that drives every operation of
// the user32 input, so a link against user32 proves each import resolves.
#include "input/platform/noxwininput.h"

#include <cstdio>

int main(int argc, char **)
{
    Nox::NoxWinInput input;
    const auto start = input.cursorPosition();
    if (argc > 1) {
        input.leftClick(QPoint(10, 10), 30);
        input.moveCursor(start.value_or(QPoint()));
    }
    // Windows has no click events behind the input: the calibration capture polls the button.
    if (input.createClickSource()) {
        return 1;
    }
    std::printf("%d %d\n", int(input.isControlHeld()), int(input.isLeftButtonHeld()));
    return 0;
}
