#pragma once

#include "core/noxbet.h"

namespace Nox {

/// One coup of an archived session. Money in hundredths, time in UTC milliseconds.
struct NoxArchivedCoup {
    int seq = 0; ///< 1 for the session's first coup, undone coups included
    qint64 timeMs = 0;
    int value = -1;
    NoxBetList stakes; ///< the bets on the table (item and stake; flags are not kept)
    qint64 stake = 0;
    qint64 gain = 0;
    qint64 capital = 0;
    bool newShoe = false;
    bool undone = false;
    int limits = 0;

    friend bool operator==(const NoxArchivedCoup &, const NoxArchivedCoup &) = default;
};

} // namespace Nox
