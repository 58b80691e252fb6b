#pragma once

#include <QtGlobal>

namespace Nox {

/// The sums over the sessions of a period.
struct NoxArchiveTotals {
    int sessions = 0;
    qint64 coups = 0;
    qint64 result = 0;
    qint64 durationMs = 0;
    qint64 maxStake = 0;

    friend bool operator==(const NoxArchiveTotals &, const NoxArchiveTotals &) = default;
};

} // namespace Nox
