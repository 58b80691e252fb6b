#pragma once

#include "money/noxguards.h"
#include "money/noxguardstop.h"

#include <QtGlobal>

#include <optional>
#include <vector>

namespace Nox {

/// What the session guards count, coup by coup, and the rule that holds after a coup.
///
/// A coup counts once it is settled: a coup with a stake adds one to the staked coups; one
/// that lowered the capital lengthens the losing streak, one that did not (a win, a push) ends
/// it; a coup without a stake leaves both. The highest result of the session is kept for the
/// trailing stop. An undo takes the last coup back exactly (its counts before it are kept, one
/// small record per coup); after a truncation only the coups kept can be undone.
///
/// Thread rules: a value type; the engine keeps its instance under its lock.
class NoxGuardTracker
{
public:
    /// The counts of the session so far.
    struct Counts {
        int losingStreak = 0;
        int stakedCoups = 0;
        qint64 highestResult = 0; ///< the session starts at a result of 0

        friend bool operator==(const Counts &, const Counts &) = default;
    };

    /// A new session, started at `nowMs`: every count back to zero.
    void startSession(qint64 nowMs);
    /// Counts a settled coup: whether it had a stake, the capital it moved, and the session's
    /// result (capital minus starting capital) after it.
    void settle(bool staked, qint64 capitalChange, qint64 result);
    /// Takes back the last settled coup; false when there is none to take back.
    bool undo();
    /// Keeps the undo records of the last `coups` coups only (the history was cut).
    void keepLast(qsizetype coups);

    [[nodiscard]] const Counts &counts() const { return m_coups.empty() ? m_base : m_coups.back(); }
    [[nodiscard]] qint64 sessionStartMs() const { return m_sessionStartMs; }
    /// Sets the start of the session (a restored session keeps the start it had).
    void setSessionStartMs(qint64 ms) { m_sessionStartMs = ms; }

    /// The first rule of `guards` that holds for a session at `result` at time `nowMs`, with
    /// the bankroll's limits `stopLoss` (a negative result) and `takeProfit`; nullopt when
    /// none does. Rules are checked in this order: loss limit, gain limit, trailing stop,
    /// losing streak, staked coups, session time.
    [[nodiscard]] std::optional<NoxGuardStop> check(const NoxGuards &guards, qint64 result, qint64 stopLoss,
                                                    qint64 takeProfit, qint64 nowMs) const;

private:
    Counts m_base;
    /// The counts after each coup that can still be undone, oldest first.
    std::vector<Counts> m_coups;
    qint64 m_sessionStartMs = 0;
};

} // namespace Nox
