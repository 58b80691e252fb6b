#pragma once

#include <QString>
#include <QStringList>

namespace Nox {

/// One session of the archive as the sessions list shows it. Money in hundredths, times in UTC
/// milliseconds since the epoch.
struct NoxArchivedSession {
    qint64 id = 0; ///< the archive's number of the session (noxsim --session N)
    QString uid;   ///< the engine's identifier (NoxSessionRecord::sessionId)
    bool baccarat = true;
    qint64 startedMs = 0;
    qint64 endedMs = 0; ///< the session's last coup (its start before the first)
    qint64 startCapital = 0;
    qint64 result = 0; ///< the capital after the last coup, less the starting capital
    int coups = 0;     ///< coups kept (undone ones are not counted)
    int settled = 0;   ///< coups kept that carried a stake
    qint64 maxStake = 0;
    int limits = 0;    ///< NoxSessionRecord::Limit bits reached during the session
    QString guardStop; ///< the last reason a session guard gave for stopping
    QStringList methods;
    QStringList montantes;

    [[nodiscard]] qint64 durationMs() const { return endedMs > startedMs ? endedMs - startedMs : 0; }

    friend bool operator==(const NoxArchivedSession &, const NoxArchivedSession &) = default;
};

} // namespace Nox
