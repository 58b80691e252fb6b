#pragma once

#include "archive/noxarchive.h"
#include "engine/noxsessionrecord.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace NoxTest {

/// Records as the engine makes them, for archive tests that do without an engine.
inline Nox::NoxSessionRecord startRecord(const QString &uid, qint64 ms, qint64 capital, bool baccarat = true)
{
    Nox::NoxSessionRecord r;
    r.kind = Nox::NoxSessionRecord::Started;
    r.sessionId = uid;
    r.timeMs = r.startMs = ms;
    r.startCapital = capital;
    r.baccarat = baccarat;
    r.methods = {QStringLiteral("BANKER")};
    r.montantes = {QStringLiteral("Martingale classique (commune)")};
    return r;
}

inline Nox::NoxSessionRecord coupRecord(const QString &uid, qint64 ms, int value, qint64 stake, qint64 gain,
                                        qint64 capital, bool baccarat = true)
{
    Nox::NoxSessionRecord r;
    r.kind = Nox::NoxSessionRecord::Coup;
    r.sessionId = uid;
    r.timeMs = ms;
    r.baccarat = baccarat;
    r.value = value;
    if (stake > 0) {
        r.stakes = {
            Nox::NoxBet{baccarat ? Nox::NoxBetItemID::B_BANKER : Nox::NoxBetItemID::CS_R, int(stake), 0}};
    }
    r.stake = stake;
    r.gain = gain;
    r.capital = capital;
    r.methods = {QStringLiteral("BANKER")};
    r.montantes = {QStringLiteral("Martingale classique (commune)")};
    return r;
}

inline Nox::NoxSessionRecord undoRecord(const QString &uid, qint64 ms)
{
    Nox::NoxSessionRecord r;
    r.kind = Nox::NoxSessionRecord::Undo;
    r.sessionId = uid;
    r.timeMs = ms;
    return r;
}

/// One value of a query on the archive's file, read through a connection of its own.
inline QVariant queryValue(const QString &path, const QString &sql)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next()) {
                value = q.value(0);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return value;
}

} // namespace NoxTest
