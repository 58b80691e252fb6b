#pragma once

#include "core/noxclock.h"

#include <atomic>

namespace Nox {

/// The time of a simulated session: it moves only when the simulator says a coup has passed,
/// so that a session-time guard stops a backtest at the same coup on every machine.
class NoxSimClock : public NoxClock
{
public:
    [[nodiscard]] qint64 nowMs() const override { return m_ms.load(std::memory_order_relaxed); }
    void set(qint64 ms) { m_ms.store(ms, std::memory_order_relaxed); }
    void advance(qint64 ms) { set(nowMs() + ms); }

private:
    std::atomic<qint64> m_ms{0};
};

} // namespace Nox
