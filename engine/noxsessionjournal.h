#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QMutex>
#include <QString>

#include <memory>
#include <optional>

namespace Nox {

class NoxDeferredWriter;

/// One recorded change of a session, in the order it happened (see NoxSessionJournal).
struct NoxJournalEntry {
    char tag = 0;
    qint64 a = 0;    ///< P: the value; Q: the capital; T: the results kept; R: 1 = money reset
    qint64 b = 0;    ///< Q: the stake of the next coup
    QByteArray data; ///< K: the change as compact JSON; I: what changed

    friend bool operator==(const NoxJournalEntry &, const NoxJournalEntry &) = default;
};

/// The results of a session whose journal was not closed (a crash or a power cut), as the
/// history stood at its last recorded change, and what is needed to play it again exactly.
struct NoxInterruptedSession {
    QList<int> values;
    /// Where each shoe after the first starts in `values` (increasing, each in 1 to
    /// values.size()).
    QList<qsizetype> shoeStarts;
    QDateTime lastChange; ///< UTC time of the last recorded event
    /// "baccarat" or "roulette"; empty in a journal written before editions were recorded.
    QString edition;
    /// The engine's state when the session began, as compact JSON; empty in a journal written
    /// before the state was recorded (only its results can be played again).
    QByteArray baseline;
    /// Every change after the baseline, in order.
    QList<NoxJournalEntry> entries;
    /// False when the journal recorded a change that cannot be played again (an edited user
    /// progression, a user method added...): a restore then says that it is not exact.
    bool replayable = true;

    friend bool operator==(const NoxInterruptedSession &, const NoxInterruptedSession &) = default;
};

/// The session journal: one text line per change of the session, appended and flushed as it
/// happens and synced to the disk within kSyncIntervalMs, so that the evening survives a crash
/// or a power cut. Lines are
///
///     S <ms>                 a new session (the history was cleared)
///     E <edition> <ms>       the edition of the engine that wrote it
///     B <state> <ms>         the engine's state at the start of the session (JSON, percent-encoded)
///     P <value> <ms>         a result played
///     Q <capital> <mise> <ms> the capital and the next stake once that result was settled
///     U <ms>                 the last result undone
///     N <ms>                 a new shoe starts after the last result
///     T <kept> <ms>          the history cut to its last <kept> results
///     R <money> <ms>         a restart that kept the history (1: money reset)
///     K <change> <ms>        a change of a setting (JSON, percent-encoded)
///     I <what> <ms>          a change that is not recorded well enough to be played again
///     C <ms>                 closed on an orderly shutdown
///
/// with <ms> the UTC time in milliseconds since the epoch. Reading ignores a torn last line
/// (no line end) and any line it cannot make sense of: a damaged journal yields what it can.
///
/// Thread rules: the engine calls it with its lock held; the journal's own lock guards the
/// file against the syncing thread, which only syncs what was written.
class NoxSessionJournal
{
public:
    static constexpr int kSyncIntervalMs = 200;
    /// A journal holds at most a few hundred thousand short lines; anything larger is not one.
    static constexpr qint64 kMaxSize = 64 * 1024 * 1024;

    explicit NoxSessionJournal(QString path);
    ~NoxSessionJournal();

    NoxSessionJournal(const NoxSessionJournal &) = delete;
    NoxSessionJournal &operator=(const NoxSessionJournal &) = delete;

    [[nodiscard]] QString path() const;
    /// Starts the journal anew (rewrites the file): a new session of `edition` whose state is
    /// `baseline`, followed by the results `values` already played, with a new shoe before
    /// each position of `shoeStarts`.
    bool start(const QList<int> &values, const QString &edition = {}, const QByteArray &baseline = {},
               const QList<qsizetype> &shoeStarts = {});
    void recordPlay(int value);
    void recordSettled(qint64 capital, qint64 mise);
    void recordUndo();
    void recordNewShoe();
    void recordTruncate(int kept);
    void recordRestart(bool resetMoney = true);
    void recordChange(const QByteArray &json);
    void recordUnreplayable(const QByteArray &what);
    /// Marks the journal closed and closes the file.
    void close();
    /// Moves the journal to `path`, replacing what is there in one step, and goes on
    /// appending there. False when the move failed (the journal stays where it was).
    bool moveTo(const QString &path);
    /// Writes what was appended to the disk now (tests; the journal does it by itself).
    void sync();

    /// The session of the journal at `path` when it was not closed and holds at least one
    /// result; nullopt otherwise (no file, closed, or no result).
    [[nodiscard]] static std::optional<NoxInterruptedSession> read(const QString &path);
    /// What a journal's text says: the session, and whether it was closed.
    [[nodiscard]] static NoxInterruptedSession parse(const QByteArray &text, bool *closed = nullptr);

private:
    void append(const QByteArray &line);
    void syncNow();

    mutable QMutex m_mutex;
    QString m_path;
    QFile m_file;
    bool m_failed = false;
    /// Declared last: stopped (and its last sync done) before the file closes.
    std::unique_ptr<NoxDeferredWriter> m_syncer;
};

} // namespace Nox
