#pragma once

#include <QtGlobal>

namespace Nox {

/// The time the session rules read: the system clock in the application, a hand-set clock in
/// the tests so that nothing sleeps.
///
/// Thread rules: nowMs() may be called from any thread.
class NoxClock
{
public:
    virtual ~NoxClock() = default;
    /// Milliseconds since the epoch (UTC).
    [[nodiscard]] virtual qint64 nowMs() const = 0;
    /// The system clock, shared and never destroyed.
    [[nodiscard]] static const NoxClock &system();
};

} // namespace Nox
