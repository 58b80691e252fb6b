#pragma once

#include "engine/noxsessionrecord.h"

#include <QObject>
#include <QString>

#include <memory>

namespace Nox {

class NoxEngine;
struct NoxArchivePrivate;

/// The archive of every session played: the SQLite database "sessions.sqlite" beside the
/// engine's settings (WAL journal, foreign keys on, schema in NoxArchiveSchema), written coup
/// by coup from the engine's session records.
///
/// Rules: a coup, an undo or a deletion is one transaction, so that after a crash the archive
/// holds every coup up to the one in flight. A session that ends without a single coup is not
/// kept. A record of a session the archive does not know (a restore of an evening whose
/// session is not in the file) starts that session then and there. A database that cannot be
/// read is renamed "sessions.sqlite.damaged" and a new one is started; that and a failed
/// write (full disk, I/O error) are told once each through problem(), and the play goes on:
/// the records that cannot be written are dropped.
///
/// Thread rules: the database is opened, written and closed on the archive's own thread
/// only. record(), deleteSession() and waitForWritten() may be called from any thread but
/// never block on the database: they queue or wait for the queue. problem() and changed() are
/// emitted from the archive's thread. The destructor (and close()) writes what is queued,
/// ends the current session and joins the thread.
class NoxArchive : public QObject
{
    Q_OBJECT

public:
    /// The file's name in the settings directory.
    static constexpr const char *kFileName = "sessions.sqlite";

    explicit NoxArchive(QString path, QObject *parent = nullptr);
    ~NoxArchive() override;

    [[nodiscard]] QString path() const;
    /// Starts the archive's thread, which opens (or creates, or replaces) the database. Connect
    /// problem() first.
    void start();
    /// Records every session record of `engine` (a direct connection: the engine's task thread
    /// only queues).
    void attach(NoxEngine *engine);
    void record(const NoxSessionRecord &record);
    /// Deletes an archived session with its coups.
    void deleteSession(qint64 id);
    /// Waits until everything queued so far is written (or dropped); false on time-out.
    bool waitForWritten(int timeoutMs = 10000);
    /// The coups written since the start (tests and benchmarks).
    [[nodiscard]] qint64 writtenCoups() const;
    /// Whether the database is open (false before start(), after close() and when neither the
    /// file nor a new one could be opened).
    [[nodiscard]] bool isOpen() const;
    /// Writes what is queued, ends the current session, closes the database and joins the
    /// thread. Records after this are ignored.
    void close();
    /// Caps the database's size (SQLite's page count), so that tests meet a full disk.
    void setSizeLimitForTest(qint64 bytes);

signals:
    /// Something the player must be told, once per kind and run (a damaged file kept aside,
    /// writes that fail).
    void problem(const QString &title, const QString &text);
    /// Sessions were written or deleted.
    void changed();

private:
    std::unique_ptr<NoxArchivePrivate> d;
};

} // namespace Nox
