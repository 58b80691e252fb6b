#pragma once

#include "core/noxbet.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

namespace Nox {

/// What the engine tells an archive about the session being played: plain data, copied out of
/// the engine's lock and handed to NoxEngine::sessionRecorded().
///
/// A session runs from a money restart (the start of the program, "Nouvelle session", a new
/// bankroll) to the next one. Its `sessionId` is kept by the session journal, so that the
/// evening a restore gives back after a crash is the same session (kind Resumed).
struct NoxSessionRecord {
    enum Kind {
        Started, ///< a new session: edition, capital, methods and progressions
        Coup,    ///< a settled coup
        Undo,    ///< the last coup of the session undone
        Resumed  ///< a restore gave back session `sessionId`; coups go on from there
    };
    /// The limits a coup reached (the notifications it raised), as bits.
    enum Limit { GainLimit = 1, LossLimit = 2, GuardStop = 4 };

    Kind kind = Coup;
    QString sessionId;
    qint64 timeMs = 0; ///< UTC milliseconds since the epoch
    bool baccarat = true;
    /// Started and Resumed: the session's starting capital and start time.
    qint64 startCapital = 0;
    qint64 startMs = 0;
    /// Coup: the result, the bets on the table (stake > 0), their total, the capital change and
    /// the capital after it.
    int value = -1;
    NoxBetList stakes;
    qint64 stake = 0;
    qint64 gain = 0;
    qint64 capital = 0;
    /// Coup: the first coup of a shoe started with "Nouveau sabot".
    bool newShoe = false;
    int limits = 0;
    /// Coup: why a session guard stopped the betting at this coup, empty when none did.
    QString guardReason;
    /// The active methods and the current progressions of their kinds (all kinds).
    QStringList methods;
    QStringList montantes;
};

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxSessionRecord)
