#pragma once

#include "archive/noxarchivedcoup.h"
#include "archive/noxarchivedsession.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Nox {

class NoxArchiveReader;

/// The archive's exports.
///
/// CSV: RFC 4180 (comma, CRLF, quotes where needed), one header line then one row per coup,
/// undone coups included; the columns are documented in the README (session, started, edition,
/// coup, time, result, stakes, stake, gain, capital, shoe, undone, limits). Times are UTC in
/// ISO 8601, money in units with two decimals and a dot.
///
/// History: the text noxsim reads, one result per line (T, P, B at baccarat, 0 to 36 at
/// roulette) for the coups kept, a blank line between two shoes.
class NoxArchiveExport
{
public:
    [[nodiscard]] static QByteArray csvHeader();
    [[nodiscard]] static QByteArray csvRows(const NoxArchivedSession &session,
                                            const QList<NoxArchivedCoup> &coups);
    [[nodiscard]] static QByteArray history(const NoxArchivedSession &session,
                                            const QList<NoxArchivedCoup> &coups);
    /// The name of a result in the history text and the CSV ("P", "17").
    [[nodiscard]] static QByteArray resultName(bool baccarat, int value);

    /// Writes the CSV of the sessions `ids` (in that order) to `path`, replaced whole. False,
    /// with `error` saying why, when a session is missing or the file cannot be written.
    static bool writeCsv(const NoxArchiveReader &reader, const QList<qint64> &ids, const QString &path,
                         QString *error = nullptr);
    static bool writeHistory(const NoxArchiveReader &reader, qint64 id, const QString &path,
                             QString *error = nullptr);
};

} // namespace Nox
