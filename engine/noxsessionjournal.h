#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>

#include <optional>

namespace Nox {

/// The results of a session whose journal was not closed (a crash or a power cut), as the
/// history stood at its last recorded change.
struct NoxInterruptedSession {
    QList<int> values;
    QDateTime lastChange; ///< UTC time of the last recorded event

    friend bool operator==(const NoxInterruptedSession &, const NoxInterruptedSession &) = default;
};

/// The session journal: one text line per change of the history, appended and flushed as it
/// happens, so that the results entered survive a crash. Lines are
///
///     S <ms>          a new session (the history was cleared)
///     P <value> <ms>  a result played
///     U <ms>          the last result undone
///     T <kept> <ms>   the history cut to its last <kept> results
///     R <ms>          a restart that kept the history (money only)
///     C <ms>          closed on an orderly shutdown
///
/// with <ms> the UTC time in milliseconds since the epoch. Reading ignores a torn last line
/// (no line end) and any line it cannot make sense of: a damaged journal yields what it can.
///
/// Not thread-safe: the engine calls it with its lock held.
class NoxSessionJournal
{
public:
    explicit NoxSessionJournal(QString path);
    ~NoxSessionJournal();

    NoxSessionJournal(const NoxSessionJournal &) = delete;
    NoxSessionJournal &operator=(const NoxSessionJournal &) = delete;

    [[nodiscard]] const QString &path() const { return m_path; }
    /// Starts the journal anew with the history `values` (rewrites the file).
    bool start(const QList<int> &values);
    void recordPlay(int value);
    void recordUndo();
    void recordTruncate(int kept);
    void recordRestart();
    /// Marks the journal closed and closes the file.
    void close();

    /// The results of the journal at `path` when it was not closed and holds at least one
    /// result; nullopt otherwise (no file, closed, or no result).
    [[nodiscard]] static std::optional<NoxInterruptedSession> read(const QString &path);
    /// What a journal's text says: the results, and whether it was closed.
    [[nodiscard]] static NoxInterruptedSession parse(const QByteArray &text, bool *closed = nullptr);

private:
    void append(const QByteArray &line);

    QString m_path;
    QFile m_file;
    bool m_failed = false;
};

} // namespace Nox
