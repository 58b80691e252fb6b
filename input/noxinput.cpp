#include "input/noxinput.h"

#include <chrono>
#include <thread>

namespace Nox {

// The standard library rather than QThread: the Windows input is also compiled on its own,
// without the Qt libraries, by the cross-compilation check.
void NoxInput::sleep(int ms)
{
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

std::unique_ptr<NoxClickSource> NoxInput::createClickSource()
{
    return nullptr;
}

} // namespace Nox
