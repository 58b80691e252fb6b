#pragma once

// What the files of NoxMethodState share: the cache bits, the coding of the stored
// tendencies, the profit-curve view and the cache helper. Included by those files only.

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Nox {

namespace {

enum CacheBit : unsigned {
    CacheDominant3 = 1u << 0,
    CacheChartTendance = 1u << 1,
    CacheCompteurME = 1u << 2,
    CacheBlocksSignal = 1u << 3,
    CacheDoubleConfirmed = 1u << 4,
    CacheDetectionFlags = 1u << 5,
    CacheMetrics = 1u << 6,
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr qint32 kNaNCode = std::numeric_limits<qint32>::min();
constexpr qint32 kExceptionCode = kNaNCode + 1;

/// k·Σx² − (Σx)² over k consecutive positions, as the least-squares fit computes it (an exact
/// integer).
inline double windowDenominator(qint64 k)
{
    return double(k * k * (k * k - 1) / 12);
}

/// A coded tendency (not the exception code) back as the fit gave it.
inline double decodeWith(qint32 code, int factor, double denominator)
{
    if (code == kNaNCode) {
        return kNaN;
    }
    double slope = double(code) / denominator;
    if (!std::isfinite(slope)) {
        slope = 0.0;
    }
    return factor * slope;
}

} // namespace

// A view of the profit curve: the closed part (its newest points are stored) followed by the
// points of the open gap, computed from the prefix sums of the records' numbers.
struct NoxMethodState::Curve {
    const NoxMethodState *state = nullptr;
    int closedSize = 0;
    int tailStart = 0; // the first closed point kept in the state's closed tail
    int consumed = 0;  // records consumed by the closed part
    int openPoints = 0;
    int base = 0; // credits of the closed part

    [[nodiscard]] int size() const { return closedSize + openPoints; }
    /// Points [first, first + count) into out, walked in order (the windows the fits read).
    void copy(int first, int count, int *out) const
    {
        int i = first;
        const int end = first + count;
        const int closedEnd = std::min(end, closedSize);
        for (; i < closedEnd && i < tailStart; ++i) {
            *out++ = at(i); // older than the stored tail: recomputed
        }
        if (i < closedEnd) {
            out = std::copy(state->m_closedTail.constData() + (i - tailStart),
                            state->m_closedTail.constData() + (closedEnd - tailStart), out);
            i = closedEnd;
        }
        // An open point's record is never older than the consumed ones: its prefix sum is in
        // the numbers tail, in order.
        const int *prefix =
            state->m_numbersTail.constData() + (consumed - state->m_curveConsumed) + (i - closedSize) + 1;
        for (; i < end; ++i) {
            *out++ = base - *prefix++;
        }
    }
    /// A closed point older than every window reads: recomputed (rare, out of line).
    [[nodiscard]] int olderPoint(int i) const;
    [[nodiscard, gnu::always_inline]] int at(int i) const
    {
        if (i < closedSize) {
            if (i >= tailStart) {
                return state->m_closedTail.at(i - tailStart);
            }
            return olderPoint(i);
        }
        const int record = consumed + (i - closedSize) + 1;
        return base - state->numbersPrefixAt(record);
    }
};

// Taken several times a record: inline in every file of the state.
inline NoxMethodState::Curve NoxMethodState::curve(bool repeatedOpenGap) const
{
    Curve c;
    c.state = this;
    c.closedSize = m_closedSize;
    c.tailStart = m_closedSize - int(m_closedTail.size());
    c.consumed = m_curveConsumed;
    c.base = int(m_gaps.size()) * (m_pleinPayout + 1);
    const int remaining = int(m_records.size()) - m_curveConsumed;
    const int first = std::min(m_openGap + 1, remaining);
    c.openPoints = first;
    if (repeatedOpenGap) {
        // The open gap is walked a second time over whatever records the first walk left
        // (there are some only when neutral zeros shortened the gap counts).
        c.openPoints += std::min(m_openGap + 1, remaining - first);
    }
    return c;
}

template<typename T, typename F>
T NoxMethodState::cached(unsigned bit, T &slot, F compute) const
{
    QMutexLocker lock(&m_method->mutex());
    unsigned word = m_cacheValid.load(std::memory_order_acquire);
    if ((word & bit) == 0) {
        slot = compute();
        // Marked valid only if no clearCache() came in between (it changes the generation).
        m_cacheValid.compare_exchange_strong(word, word | bit, std::memory_order_acq_rel);
    }
    return slot;
}

} // namespace Nox
