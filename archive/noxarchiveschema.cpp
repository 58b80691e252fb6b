#include "archive/noxarchiveschema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace Nox {

namespace {

/// The statements of each version, in order: kSteps[n - 1] takes version n - 1 to n.
const QList<QStringList> &steps()
{
    static const QList<QStringList> all{
        {
            QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
            QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
            QStringLiteral("CREATE TABLE sessions ("
                           " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                           " uid TEXT NOT NULL UNIQUE,"
                           " edition TEXT NOT NULL CHECK (edition IN ('baccarat', 'roulette')),"
                           " started_at INTEGER NOT NULL,"
                           " ended_at INTEGER NOT NULL,"
                           " start_capital INTEGER NOT NULL,"
                           " result INTEGER NOT NULL DEFAULT 0,"
                           " coups INTEGER NOT NULL DEFAULT 0,"
                           " settled INTEGER NOT NULL DEFAULT 0,"
                           " max_stake INTEGER NOT NULL DEFAULT 0,"
                           " methods TEXT NOT NULL DEFAULT '',"
                           " montantes TEXT NOT NULL DEFAULT '')"),
            QStringLiteral("CREATE TABLE coups ("
                           " id INTEGER PRIMARY KEY,"
                           " session_id INTEGER NOT NULL REFERENCES sessions (id) ON DELETE CASCADE,"
                           " seq INTEGER NOT NULL,"
                           " played_at INTEGER NOT NULL,"
                           " value INTEGER NOT NULL,"
                           " stakes TEXT NOT NULL DEFAULT '',"
                           " stake INTEGER NOT NULL DEFAULT 0,"
                           " gain INTEGER NOT NULL DEFAULT 0,"
                           " capital INTEGER NOT NULL,"
                           " new_shoe INTEGER NOT NULL DEFAULT 0,"
                           " undone INTEGER NOT NULL DEFAULT 0,"
                           " UNIQUE (session_id, seq))"),
        },
        {
            QStringLiteral("ALTER TABLE sessions ADD COLUMN limits INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral("ALTER TABLE sessions ADD COLUMN guard_stop TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("ALTER TABLE coups ADD COLUMN limits INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral("CREATE INDEX sessions_started ON sessions (started_at)"),
        },
    };
    return all;
}

bool fail(QString *error, const QString &text)
{
    if (error) {
        *error = text;
    }
    return false;
}

} // namespace

int NoxArchiveSchema::version(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                   "name = 'schema_version'")) ||
        !query.next()) {
        return -1;
    }
    if (query.value(0).toInt() == 0) {
        return 0;
    }
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next()) {
        return -1;
    }
    return query.value(0).toInt();
}

bool NoxArchiveSchema::migrate(QSqlDatabase &db, QString *error, int target)
{
    const int from = version(db);
    if (from < 0) {
        return fail(error, db.lastError().text().isEmpty() ? QStringLiteral("unreadable schema version")
                                                           : db.lastError().text());
    }
    if (from > kCurrentVersion) {
        return fail(
            error,
            QStringLiteral("the archive is of version %1, newer than %2").arg(from).arg(kCurrentVersion));
    }
    for (int v = from + 1; v <= target && v <= int(steps().size()); ++v) {
        if (!db.transaction()) {
            return fail(error, db.lastError().text());
        }
        QSqlQuery query(db);
        QStringList statements = steps().at(v - 1);
        statements.append(QStringLiteral("UPDATE schema_version SET version = %1").arg(v));
        for (const QString &statement : std::as_const(statements)) {
            if (!query.exec(statement)) {
                const QString why = query.lastError().text();
                db.rollback();
                return fail(error, QStringLiteral("migration to version %1: %2").arg(v).arg(why));
            }
        }
        if (!db.commit()) {
            const QString why = db.lastError().text();
            db.rollback();
            return fail(error, QStringLiteral("migration to version %1: %2").arg(v).arg(why));
        }
    }
    return true;
}

} // namespace Nox
