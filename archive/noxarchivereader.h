#pragma once

#include "archive/noxarchivedcoup.h"
#include "archive/noxarchivedsession.h"
#include "archive/noxarchivetotals.h"

#include <QList>
#include <QString>

#include <limits>
#include <optional>

namespace Nox {

/// Reads the archive (NoxArchive writes it): the sessions of a period newest first, a page at
/// a time, their totals and a session's coups. It never writes, and never creates the file.
///
/// Thread rules: a reader belongs to the thread that created it (its own SQLite connection);
/// several readers and the archive's writer may work on one file at once (WAL).
class NoxArchiveReader
{
public:
    static constexpr qint64 kAll = std::numeric_limits<qint64>::max();

    explicit NoxArchiveReader(QString path);
    ~NoxArchiveReader();

    NoxArchiveReader(const NoxArchiveReader &) = delete;
    NoxArchiveReader &operator=(const NoxArchiveReader &) = delete;

    /// False, with `error` saying why, when there is no archive yet or it cannot be read.
    bool open(QString *error = nullptr);
    [[nodiscard]] bool isOpen() const;

    /// The sessions started in [fromMs, toMs), newest first, from `offset`, at most `limit`.
    [[nodiscard]] QList<NoxArchivedSession> sessions(qint64 fromMs = 0, qint64 toMs = kAll, qint64 offset = 0,
                                                     qint64 limit = kAll) const;
    [[nodiscard]] int sessionCount(qint64 fromMs = 0, qint64 toMs = kAll) const;
    [[nodiscard]] std::optional<NoxArchivedSession> session(qint64 id) const;
    [[nodiscard]] NoxArchiveTotals totals(qint64 fromMs = 0, qint64 toMs = kAll) const;
    /// The coups of a session in order, undone ones included.
    [[nodiscard]] QList<NoxArchivedCoup> coups(qint64 sessionId) const;
    /// The profit after each coup, from 0 at the start (the capital path: an undone coup's
    /// money stays in the engine's capital).
    [[nodiscard]] QList<int> profitCurve(qint64 sessionId) const;

private:
    QString m_path;
    QString m_connection;
    bool m_open = false;
};

} // namespace Nox
