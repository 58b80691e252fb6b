#include "archive/noxarchivereader.h"

#include "archive/noxarchivelogging.h"
#include "archive/noxarchivestakes.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <atomic>

namespace Nox {

namespace {

std::atomic<quint64> s_readers{0};

const QString kSessionColumns = QStringLiteral(
    "id, uid, edition, started_at, ended_at, start_capital, result, coups, settled, max_stake, "
    "limits, guard_stop, methods, montantes");

QStringList lines(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

NoxArchivedSession sessionOf(const QSqlQuery &q)
{
    NoxArchivedSession s;
    s.id = q.value(0).toLongLong();
    s.uid = q.value(1).toString();
    s.baccarat = q.value(2).toString() == u"baccarat";
    s.startedMs = q.value(3).toLongLong();
    s.endedMs = q.value(4).toLongLong();
    s.startCapital = q.value(5).toLongLong();
    s.result = q.value(6).toLongLong();
    s.coups = q.value(7).toInt();
    s.settled = q.value(8).toInt();
    s.maxStake = q.value(9).toLongLong();
    s.limits = q.value(10).toInt();
    s.guardStop = q.value(11).toString();
    s.methods = lines(q.value(12).toString());
    s.montantes = lines(q.value(13).toString());
    return s;
}

} // namespace

NoxArchiveReader::NoxArchiveReader(QString path)
    : m_path(std::move(path))
    , m_connection(QStringLiteral("noxarchive-reader-%1").arg(++s_readers))
{}

NoxArchiveReader::~NoxArchiveReader()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool NoxArchiveReader::open(QString *error)
{
    if (m_open) {
        return true;
    }
    if (!QFile::exists(m_path)) {
        if (error) {
            *error = QStringLiteral("no archive at %1").arg(m_path);
        }
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    QSqlQuery probe(db);
    if (!db.open() || !probe.exec(QStringLiteral("SELECT count(*) FROM sessions"))) {
        if (error) {
            *error = db.isOpen() ? probe.lastError().text() : db.lastError().text();
        }
        qCWarning(lcNoxArchive).noquote() << QStringLiteral("Cannot read the archive %1").arg(m_path);
        db.close();
        return false;
    }
    m_open = true;
    return true;
}

bool NoxArchiveReader::isOpen() const
{
    return m_open;
}

QList<NoxArchivedSession> NoxArchiveReader::sessions(qint64 fromMs, qint64 toMs, qint64 offset,
                                                     qint64 limit) const
{
    QList<NoxArchivedSession> list;
    if (!m_open) {
        return list;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT ") + kSessionColumns +
              QStringLiteral(" FROM sessions WHERE started_at >= ? AND started_at < ? "
                             "ORDER BY started_at DESC, id DESC LIMIT ? OFFSET ?"));
    q.addBindValue(fromMs);
    q.addBindValue(toMs);
    q.addBindValue(limit == kAll ? qint64(-1) : limit);
    q.addBindValue(offset);
    if (q.exec()) {
        while (q.next()) {
            list.append(sessionOf(q));
        }
    }
    return list;
}

int NoxArchiveReader::sessionCount(qint64 fromMs, qint64 toMs) const
{
    return totals(fromMs, toMs).sessions;
}

std::optional<NoxArchivedSession> NoxArchiveReader::session(qint64 id) const
{
    if (!m_open) {
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT ") + kSessionColumns + QStringLiteral(" FROM sessions WHERE id = ?"));
    q.addBindValue(id);
    if (q.exec() && q.next()) {
        return sessionOf(q);
    }
    return std::nullopt;
}

NoxArchiveTotals NoxArchiveReader::totals(qint64 fromMs, qint64 toMs) const
{
    NoxArchiveTotals t;
    if (!m_open) {
        return t;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(
        QStringLiteral("SELECT count(*), coalesce(sum(coups), 0), coalesce(sum(result), 0), "
                       "coalesce(sum(ended_at - started_at), 0), coalesce(max(max_stake), 0) FROM sessions "
                       "WHERE started_at >= ? AND started_at < ?"));
    q.addBindValue(fromMs);
    q.addBindValue(toMs);
    if (q.exec() && q.next()) {
        t.sessions = q.value(0).toInt();
        t.coups = q.value(1).toLongLong();
        t.result = q.value(2).toLongLong();
        t.durationMs = q.value(3).toLongLong();
        t.maxStake = q.value(4).toLongLong();
    }
    return t;
}

QList<NoxArchivedCoup> NoxArchiveReader::coups(qint64 sessionId) const
{
    QList<NoxArchivedCoup> list;
    if (!m_open) {
        return list;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT seq, played_at, value, stakes, stake, gain, capital, new_shoe, undone, limits "
                       "FROM coups WHERE session_id = ? ORDER BY seq"));
    q.addBindValue(sessionId);
    if (q.exec()) {
        while (q.next()) {
            NoxArchivedCoup c;
            c.seq = q.value(0).toInt();
            c.timeMs = q.value(1).toLongLong();
            c.value = q.value(2).toInt();
            c.stakes = NoxArchiveStakes::decode(q.value(3).toString().toLatin1());
            c.stake = q.value(4).toLongLong();
            c.gain = q.value(5).toLongLong();
            c.capital = q.value(6).toLongLong();
            c.newShoe = q.value(7).toInt() != 0;
            c.undone = q.value(8).toInt() != 0;
            c.limits = q.value(9).toInt();
            list.append(c);
        }
    }
    return list;
}

QList<int> NoxArchiveReader::profitCurve(qint64 sessionId) const
{
    QList<int> curve;
    if (!m_open) {
        return curve;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT c.capital - s.start_capital FROM coups c JOIN sessions s ON s.id = c.session_id "
        "WHERE c.session_id = ? ORDER BY c.seq"));
    q.addBindValue(sessionId);
    if (q.exec()) {
        curve.append(0);
        while (q.next()) {
            curve.append(int(std::clamp<qint64>(q.value(0).toLongLong(), INT_MIN, INT_MAX)));
        }
    }
    return curve.size() > 1 ? curve : QList<int>();
}

} // namespace Nox
