#pragma once

#include <QPoint>

namespace NoxTest {

/// A click of physical `button` (1: left) at `p` as short as the X server allows: the pointer is moved there,
/// then the press and the release go out through XTest in one request buffer, back to back. Returns the
/// microseconds between sending the press and flushing the release (-1 on failure). Opens and closes a
/// display connection of its own.
long long x11Tap(QPoint p, unsigned int button = 1);

/// Swaps the first and third buttons of the pointer mapping (a left-handed mouse) or puts them
/// back; false when the server refused.
bool x11SetLeftHanded(bool on);

} // namespace NoxTest
