#pragma once

#include "input/noxinput.h"

#include <memory>

namespace Nox {

/// The user input of the platform the program runs on: user32 on Windows, X11 with XTest
/// elsewhere. Never null; on a platform without either (or with no X display) the object
/// answers every call with a failure (no cursor, no click, no key held).
[[nodiscard]] std::unique_ptr<NoxInput> createPlatformInput();

} // namespace Nox
