#pragma once

#include <QString>

class QSqlDatabase;

namespace Nox {

/// The archive's tables and their migrations. The version lives in the table schema_version
/// (one row); each migration takes a database from version n - 1 to n inside one transaction,
/// so that a database is always at one whole version. A new database is migrated from version
/// 0, through every step, like an old one.
///
///  1  sessions (one row per session with its running totals) and coups (one row per coup,
///     undone coups marked), deleted with their session
///  2  the limits and guards reached: sessions.limits and guard_stop, coups.limits; an index
///     on the sessions' start for the periods of the list
class NoxArchiveSchema
{
public:
    static constexpr int kCurrentVersion = 2;

    /// The version of the database, 0 for one without the version table, -1 when it cannot be
    /// read (not a database, damaged).
    [[nodiscard]] static int version(QSqlDatabase &db);
    /// Takes the database to `target` (the current version by default). False, with `error`
    /// saying why, when a step fails (that step leaves nothing behind) or the database is of a
    /// newer version than this program knows.
    static bool migrate(QSqlDatabase &db, QString *error = nullptr, int target = kCurrentVersion);
};

} // namespace Nox
