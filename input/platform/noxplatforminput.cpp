#include "input/platform/noxplatforminput.h"

#if defined(Q_OS_WIN)
#include "input/platform/noxwininput.h"
#elif defined(NOX_HAVE_X11)
#include "input/platform/noxx11input.h"
#endif

namespace Nox {

namespace {

/// No platform input: nothing is ever clicked or read.
class NoxNoInput : public NoxInput
{
public:
    std::optional<QPoint> cursorPosition() override { return std::nullopt; }
    bool moveCursor(QPoint) override { return false; }
    bool leftClick(QPoint, int) override { return false; }
    bool isControlHeld() override { return false; }
    bool isLeftButtonHeld() override { return false; }
};

} // namespace

std::unique_ptr<NoxInput> createPlatformInput()
{
#if defined(Q_OS_WIN)
    return std::make_unique<NoxWinInput>();
#elif defined(NOX_HAVE_X11)
    auto x11 = std::make_unique<NoxX11Input>();
    if (x11->isValid()) {
        return x11;
    }
#endif
    return std::make_unique<NoxNoInput>();
}

} // namespace Nox
