#include "archive/noxarchive.h"

#include "archive/noxarchivelogging.h"
#include "archive/noxarchiveschema.h"
#include "archive/noxarchivestakes.h"
#include "engine/noxengine.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace Nox {

namespace {

/// SQLite's result codes that mean the file is not a sound database.
bool meansDamaged(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt();
    constexpr int kCorrupt = 11;
    constexpr int kNotADatabase = 26;
    return code == kCorrupt || code == kNotADatabase;
}

} // namespace

/// A queued piece of work of the archive's thread.
struct NoxArchiveCommand {
    enum Type { Record, Delete };
    Type type = Record;
    NoxSessionRecord record;
    qint64 id = 0;
};

/// The session the coups go to, as the archive's thread knows it.
struct NoxArchiveCurrent {
    qint64 id = 0;
    QString uid;
    int seq = 0; ///< the last coup's number
    QStringList methods;
    QStringList montantes;
};

struct NoxArchivePrivate {
    explicit NoxArchivePrivate(NoxArchive *owner, QString p)
        : q(owner)
        , path(std::move(p))
        , connection(QStringLiteral("noxarchive-writer-%1").arg(quintptr(this)))
    {}

    NoxArchive *q;
    const QString path;
    const QString connection;

    // --- Shared with the callers (guarded by mutex) ---------------------------------------------
    std::mutex mutex;
    std::condition_variable wake;    ///< work queued or stop asked
    std::condition_variable written; ///< `done` moved
    std::deque<NoxArchiveCommand> queue;
    quint64 queued = 0;
    quint64 done = 0;
    bool stopping = false;
    bool started = false;
    std::thread thread;
    std::atomic<qint64> coupsWritten{0};
    std::atomic<bool> open{false};
    std::atomic<qint64> sizeLimit{0};

    // --- The archive's thread only ---------------------------------------------------------------
    std::optional<NoxArchiveCurrent> current;
    bool toldDamaged = false;
    bool toldWriteError = false;
    bool failing = false; ///< the last write failed
    std::optional<QSqlQuery> insertCoup;
    std::optional<QSqlQuery> updateSession;

    void run();
    bool openDatabase();
    bool configure(QSqlDatabase &db, QSqlError *error);
    void keepAside();
    void process(const NoxArchiveCommand &command);
    void startSession(const NoxSessionRecord &record);
    void resumeSession(const NoxSessionRecord &record);
    /// Makes the session of `uid` current: the archived one, or a new one from `record`.
    bool openSession(const QString &uid, const NoxSessionRecord &record, bool lookUp);
    /// Ends the current session; one without a coup is deleted. Its end stays its last coup.
    void endSession();
    void writeCoup(const NoxSessionRecord &record);
    void writeUndo(const NoxSessionRecord &record);
    void deleteSession(qint64 id);
    void applySizeLimit(QSqlDatabase &db);
    /// Rolls back and tells the player once.
    void writeFailed(QSqlDatabase &db, const QString &what, const QSqlError &error);
    [[nodiscard]] QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }
};

NoxArchive::NoxArchive(QString path, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<NoxArchivePrivate>(this, std::move(path)))
{
    qRegisterMetaType<NoxSessionRecord>();
}

NoxArchive::~NoxArchive()
{
    close();
}

QString NoxArchive::path() const
{
    return d->path;
}

void NoxArchive::start()
{
    std::lock_guard lock(d->mutex);
    if (d->started || d->stopping) {
        return;
    }
    d->started = true;
    d->thread = std::thread([this] { d->run(); });
}

void NoxArchive::attach(NoxEngine *engine)
{
    connect(engine, &NoxEngine::sessionRecorded, this, &NoxArchive::record, Qt::DirectConnection);
}

void NoxArchive::record(const NoxSessionRecord &record)
{
    {
        std::lock_guard lock(d->mutex);
        if (d->stopping) {
            return;
        }
        d->queue.push_back({NoxArchiveCommand::Record, record, 0});
        ++d->queued;
    }
    d->wake.notify_one();
}

void NoxArchive::deleteSession(qint64 id)
{
    {
        std::lock_guard lock(d->mutex);
        if (d->stopping) {
            return;
        }
        d->queue.push_back({NoxArchiveCommand::Delete, {}, id});
        ++d->queued;
    }
    d->wake.notify_one();
}

bool NoxArchive::waitForWritten(int timeoutMs)
{
    std::unique_lock lock(d->mutex);
    if (!d->started) {
        return d->queue.empty();
    }
    const quint64 target = d->queued;
    return d->written.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return d->done >= target; });
}

qint64 NoxArchive::writtenCoups() const
{
    return d->coupsWritten.load();
}

bool NoxArchive::isOpen() const
{
    return d->open.load();
}

void NoxArchive::close()
{
    {
        std::lock_guard lock(d->mutex);
        if (d->stopping) {
            return;
        }
        d->stopping = true;
    }
    d->wake.notify_one();
    if (d->thread.joinable()) {
        d->thread.join();
    }
}

void NoxArchive::setSizeLimitForTest(qint64 bytes)
{
    d->sizeLimit = bytes;
}

// --- The archive's thread ------------------------------------------------------------------------

void NoxArchivePrivate::run()
{
    const bool opened = openDatabase();
    open = opened;
    for (;;) {
        std::deque<NoxArchiveCommand> batch;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [&] { return stopping || !queue.empty(); });
            if (queue.empty()) {
                break; // stopping, and everything queued is written
            }
            batch.swap(queue);
        }
        if (opened) {
            for (const NoxArchiveCommand &command : batch) {
                process(command);
            }
        }
        {
            std::lock_guard lock(mutex);
            done += batch.size();
        }
        written.notify_all();
        if (opened) {
            emit q->changed();
        }
    }
    if (opened) {
        endSession();
        insertCoup.reset();
        updateSession.reset();
        db().close();
    }
    open = false;
    QSqlDatabase::removeDatabase(connection);
}

bool NoxArchivePrivate::configure(QSqlDatabase &database, QSqlError *error)
{
    QSqlQuery query(database);
    const auto exec = [&](const QString &sql) {
        if (!query.exec(sql)) {
            *error = query.lastError();
            return false;
        }
        return true;
    };
    // Foreign keys make a session's deletion take its coups; WAL lets the sessions page read
    // while a coup is written, and with synchronous NORMAL a commit costs no sync of its own:
    // a killed program loses nothing committed, a power cut at most the last commits.
    if (!exec(QStringLiteral("PRAGMA foreign_keys = ON")) ||
        !exec(QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !exec(QStringLiteral("PRAGMA synchronous = NORMAL")) || !exec(QStringLiteral("PRAGMA quick_check"))) {
        return false;
    }
    if (!query.next() || query.value(0).toString() != u"ok") {
        // quick_check names what is wrong: not a database one can trust.
        *error = QSqlError(QStringLiteral("integrity check failed"), query.value(0).toString(),
                           QSqlError::StatementError, QStringLiteral("11"));
        return false;
    }
    return true;
}

void NoxArchivePrivate::applySizeLimit(QSqlDatabase &database)
{
    const qint64 limit = sizeLimit.load();
    if (limit <= 0) {
        return;
    }
    QSqlQuery query(database);
    if (query.exec(QStringLiteral("PRAGMA page_size")) && query.next()) {
        const qint64 pages = std::max<qint64>(1, limit / std::max(1, query.value(0).toInt()));
        query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    }
}

void NoxArchivePrivate::keepAside()
{
    const QString aside = path + QStringLiteral(".damaged");
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile::remove(aside + suffix);
        if (QFile::exists(path + suffix) && !QFile::rename(path + suffix, aside + suffix)) {
            QFile::remove(path + suffix);
        }
    }
}

bool NoxArchivePrivate::openDatabase()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        toldWriteError = true;
        emit q->problem(
            NoxArchive::tr("Archive des sessions indisponible"),
            NoxArchive::tr("Le pilote SQLite de Qt manque : les sessions ne sont pas archivées."));
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlError error;
        QString why;
        bool damaged = false;
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            database.setDatabaseName(path);
            database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            if (!database.open()) {
                error = database.lastError();
            } else if (configure(database, &error)) {
                const int version = NoxArchiveSchema::version(database);
                if (NoxArchiveSchema::migrate(database, &why)) {
                    QSqlQuery cleanup(database);
                    // Sessions that a killed program started and never played in.
                    cleanup.exec(
                        QStringLiteral("DELETE FROM sessions WHERE coups = 0 AND NOT EXISTS "
                                       "(SELECT 1 FROM coups WHERE coups.session_id = sessions.id)"));
                    applySizeLimit(database);
                    insertCoup.emplace(database);
                    insertCoup->prepare(QStringLiteral(
                        "INSERT INTO coups (session_id, seq, played_at, value, stakes, stake, gain, capital, "
                        "new_shoe, limits) VALUES (?, ?, ?, ?, coalesce(?, ''), ?, ?, ?, ?, ?)"));
                    updateSession.emplace(database);
                    updateSession->prepare(QStringLiteral(
                        "UPDATE sessions SET coups = coups + 1, settled = settled + ?, max_stake = "
                        "max(max_stake, ?), "
                        "result = ? - start_capital, ended_at = max(ended_at, ?), limits = limits | ?, "
                        "guard_stop = CASE WHEN coalesce(?, '') = '' THEN guard_stop ELSE ? END, methods = "
                        "coalesce(?, ''), "
                        "montantes = coalesce(?, '') "
                        "WHERE id = ?"));
                    qCInfo(lcNoxArchive).noquote()
                        << QStringLiteral("Archive %1 open (version %2)").arg(path).arg(version);
                    return true;
                }
                // A version this program cannot read, or a failed step: the file is kept aside
                // whole rather than half migrated (each step is one transaction).
                damaged = version < 0 || version > NoxArchiveSchema::kCurrentVersion;
            }
            if (error.isValid()) {
                why = error.text();
                damaged = damaged || meansDamaged(error);
            }
            database.close();
        }
        QSqlDatabase::removeDatabase(connection);
        qCWarning(lcNoxArchive).noquote() << QStringLiteral("Cannot open the archive %1: %2").arg(path, why);
        if (attempt == 0 && damaged && QFile::exists(path)) {
            keepAside();
            if (!toldDamaged) {
                toldDamaged = true;
                emit q->problem(
                    NoxArchive::tr("Archive des sessions endommagée"),
                    NoxArchive::tr("L'archive des sessions ne pouvait pas être lue : elle est gardée "
                                   "sous %1 et une nouvelle archive commence.")
                        .arg(path + QStringLiteral(".damaged")));
            }
            continue;
        }
        toldWriteError = true;
        emit q->problem(
            NoxArchive::tr("Archive des sessions indisponible"),
            NoxArchive::tr("L'archive %1 ne peut pas être ouverte (%2) : les sessions ne sont pas "
                           "archivées, le jeu continue.")
                .arg(path, why));
        return false;
    }
    return false;
}

void NoxArchivePrivate::writeFailed(QSqlDatabase &database, const QString &what, const QSqlError &error)
{
    database.rollback();
    // Once per run of failures: a full disk fails every coup.
    if (!failing) {
        failing = true;
        qCWarning(lcNoxArchive).noquote()
            << QStringLiteral("Cannot write %1 to the archive: %2").arg(what, error.text());
    }
    if (!toldWriteError) {
        toldWriteError = true;
        emit q->problem(
            NoxArchive::tr("Archive des sessions"),
            NoxArchive::tr("Un coup n'a pas pu être écrit dans l'archive des sessions (%1). Le jeu "
                           "continue ; libérez de la place sur le disque.")
                .arg(error.text()));
    }
}

void NoxArchivePrivate::process(const NoxArchiveCommand &command)
{
    if (command.type == NoxArchiveCommand::Delete) {
        deleteSession(command.id);
        return;
    }
    const NoxSessionRecord &record = command.record;
    switch (record.kind) {
    case NoxSessionRecord::Started:
        startSession(record);
        break;
    case NoxSessionRecord::Resumed:
        resumeSession(record);
        break;
    case NoxSessionRecord::Coup:
        writeCoup(record);
        break;
    case NoxSessionRecord::Undo:
        writeUndo(record);
        break;
    }
}

void NoxArchivePrivate::startSession(const NoxSessionRecord &record)
{
    endSession();
    openSession(record.sessionId, record, true);
}

void NoxArchivePrivate::resumeSession(const NoxSessionRecord &record)
{
    if (current && current->uid == record.sessionId) {
        return;
    }
    endSession();
    openSession(record.sessionId, record, true);
}

bool NoxArchivePrivate::openSession(const QString &uid, const NoxSessionRecord &record, bool lookUp)
{
    QSqlDatabase database = db();
    QSqlQuery query(database);
    if (lookUp) {
        query.prepare(
            QStringLiteral("SELECT id, methods, montantes, (SELECT coalesce(max(seq), 0) FROM coups "
                           "WHERE session_id = sessions.id) FROM sessions WHERE uid = ?"));
        query.addBindValue(uid);
        if (query.exec() && query.next()) {
            const auto split = [](const QString &s) {
                return s.isEmpty() ? QStringList() : s.split(QLatin1Char('\n'));
            };
            current = NoxArchiveCurrent{query.value(0).toLongLong(), uid, query.value(3).toInt(),
                                        split(query.value(1).toString()), split(query.value(2).toString())};
            return true;
        }
    }
    const qint64 startMs = record.startMs > 0 ? record.startMs : record.timeMs;
    const qint64 capital =
        record.kind == NoxSessionRecord::Coup ? record.capital - record.gain : record.startCapital;
    query.prepare(QStringLiteral(
        "INSERT INTO sessions (uid, edition, started_at, ended_at, start_capital, "
        "result, methods, montantes) VALUES (?, ?, ?, ?, ?, 0, coalesce(?, ''), coalesce(?, ''))"));
    query.addBindValue(uid);
    query.addBindValue(record.baccarat ? QStringLiteral("baccarat") : QStringLiteral("roulette"));
    query.addBindValue(startMs);
    query.addBindValue(std::max(startMs, record.timeMs));
    query.addBindValue(capital);
    query.addBindValue(record.methods.join(QLatin1Char('\n')));
    query.addBindValue(record.montantes.join(QLatin1Char('\n')));
    if (!query.exec()) {
        writeFailed(database, QStringLiteral("a session"), query.lastError());
        current.reset();
        return false;
    }
    current = NoxArchiveCurrent{query.lastInsertId().toLongLong(), uid, 0, record.methods, record.montantes};
    return true;
}

void NoxArchivePrivate::endSession()
{
    if (!current) {
        return;
    }
    // The end stays the last coup: a session's duration is the time it was played, not the hours
    // the program stayed open before the next session.
    if (current->seq == 0) {
        // Not a coup: nothing worth keeping (the next start of the program would remove it).
        QSqlDatabase database = db();
        QSqlQuery query(database);
        query.prepare(QStringLiteral("DELETE FROM sessions WHERE id = ? AND NOT EXISTS "
                                     "(SELECT 1 FROM coups WHERE session_id = ?)"));
        query.addBindValue(current->id);
        query.addBindValue(current->id);
        if (!query.exec()) {
            writeFailed(database, QStringLiteral("the end of a session"), query.lastError());
        }
    }
    current.reset();
}

namespace {
/// Adds the names of `more` that `list` lacks; true when it added any.
bool unite(QStringList &list, const QStringList &more)
{
    bool added = false;
    for (const QString &name : more) {
        if (!list.contains(name)) {
            list.append(name);
            added = true;
        }
    }
    return added;
}
} // namespace

void NoxArchivePrivate::writeCoup(const NoxSessionRecord &record)
{
    if (!current || current->uid != record.sessionId) {
        // A coup of a session never announced (a restore of a session the archive lost).
        endSession();
        if (!openSession(record.sessionId, record, true)) {
            return;
        }
    }
    unite(current->methods, record.methods);
    unite(current->montantes, record.montantes);
    QSqlDatabase database = db();
    if (!database.transaction()) {
        writeFailed(database, QStringLiteral("a coup"), database.lastError());
        return;
    }
    const int seq = current->seq + 1;
    QSqlQuery &insert = *insertCoup;
    insert.addBindValue(current->id);
    insert.addBindValue(seq);
    insert.addBindValue(record.timeMs);
    insert.addBindValue(record.value);
    insert.addBindValue(QString::fromLatin1(NoxArchiveStakes::encode(record.stakes)));
    insert.addBindValue(record.stake);
    insert.addBindValue(record.gain);
    insert.addBindValue(record.capital);
    insert.addBindValue(int(record.newShoe));
    insert.addBindValue(record.limits);
    if (!insert.exec()) {
        writeFailed(database, QStringLiteral("a coup"), insert.lastError());
        return;
    }
    QSqlQuery &update = *updateSession;
    update.addBindValue(int(record.stake > 0));
    update.addBindValue(record.stake);
    update.addBindValue(record.capital);
    update.addBindValue(record.timeMs);
    update.addBindValue(record.limits);
    update.addBindValue(record.guardReason);
    update.addBindValue(record.guardReason);
    update.addBindValue(current->methods.join(QLatin1Char('\n')));
    update.addBindValue(current->montantes.join(QLatin1Char('\n')));
    update.addBindValue(current->id);
    if (!update.exec()) {
        writeFailed(database, QStringLiteral("a coup"), update.lastError());
        return;
    }
    if (!database.commit()) {
        writeFailed(database, QStringLiteral("a coup"), database.lastError());
        return;
    }
    current->seq = seq;
    ++coupsWritten;
    if (failing) {
        failing = false;
        qCInfo(lcNoxArchive) << "The archive is written again";
    }
}

void NoxArchivePrivate::writeUndo(const NoxSessionRecord &record)
{
    if (!current || current->uid != record.sessionId) {
        return; // the coup undone belongs to an earlier session: that one is over
    }
    QSqlDatabase database = db();
    if (!database.transaction()) {
        writeFailed(database, QStringLiteral("an undo"), database.lastError());
        return;
    }
    QSqlQuery query(database);
    const QList<QString> statements{
        QStringLiteral("UPDATE coups SET undone = 1 WHERE id = (SELECT id FROM coups WHERE session_id = ? "
                       "AND undone = 0 ORDER BY seq DESC LIMIT 1)"),
        // The running totals again from the coups that are kept. The result stays: an undo
        // does not give the engine's money back, the capital goes on from the undone coup.
        QStringLiteral(
            "UPDATE sessions SET"
            " coups = (SELECT count(*) FROM coups WHERE session_id = sessions.id AND undone = 0),"
            " settled = (SELECT count(*) FROM coups WHERE session_id = sessions.id AND undone = 0"
            " AND stake > 0),"
            " max_stake = (SELECT coalesce(max(stake), 0) FROM coups WHERE session_id = sessions.id"
            " AND undone = 0),"
            " limits = (SELECT coalesce(max(limits & 1) | max(limits & 2) | max(limits & 4), 0)"
            " FROM coups WHERE session_id = sessions.id AND undone = 0)"
            " WHERE id = ?"),
    };
    for (const QString &statement : statements) {
        query.prepare(statement);
        query.addBindValue(current->id);
        if (!query.exec()) {
            writeFailed(database, QStringLiteral("an undo"), query.lastError());
            return;
        }
    }
    if (!database.commit()) {
        writeFailed(database, QStringLiteral("an undo"), database.lastError());
    }
}

void NoxArchivePrivate::deleteSession(qint64 id)
{
    QSqlDatabase database = db();
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM sessions WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        writeFailed(database, QStringLiteral("a deletion"), query.lastError());
        return;
    }
    if (current && current->id == id) {
        // The coups still to come start the session again under the same identifier.
        current.reset();
    }
}

} // namespace Nox
