#pragma once

#include "archive/noxarchivedsession.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <limits>
#include <memory>

namespace Nox {
class NoxArchiveReader;
}

/// The archived sessions of a period, newest first, read a page at a time (fetchMore) so that
/// an archive of thousands of sessions opens at once. The figures are formatted here for the
/// sessions page: money with its sign and two decimals, durations in hours and minutes, the
/// result per hour only for a session of at least kMinPerHourMs (a shorter one says nothing).
///
/// Thread rules: lives on the GUI thread, with its own reader of the archive.
class UISessionListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached as UISessionArchive.sessions")

public:
    static constexpr int kPageSize = 50;
    static constexpr qint64 kMinPerHourMs = 5 * 60 * 1000;

    enum Role {
        SessionIdRole = Qt::UserRole + 1,
        StartedRole,  ///< "01/05/2024 21:00" (local time)
        DurationRole, ///< "1 h 05"
        CoupsRole,    ///< coups kept
        ResultRole,   ///< "+12.50"
        GainRole,     ///< -1 loss, 0 even, 1 gain (the colour of the result)
        PerHourRole,  ///< "+6.25 / h", or "—"
        MaxStakeRole, ///< "25.00"
        BaccaratRole, ///< the edition
    };
    Q_ENUM(Role)

    explicit UISessionListModel(QObject *parent = nullptr);
    ~UISessionListModel() override;

    /// Reads the archive at `path` (nothing when it does not exist yet).
    void setArchivePath(const QString &path);
    [[nodiscard]] QString archivePath() const { return m_path; }
    /// The sessions started in [fromMs, toMs); reloads.
    void setPeriod(qint64 fromMs, qint64 toMs);
    /// Reads the first page again (the archive changed).
    void reload();
    /// Takes the row out of the list (the archive deletes the session itself).
    void removeRowOf(qint64 sessionId);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;
    [[nodiscard]] bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    /// Every session of the period (loaded or not).
    [[nodiscard]] int totalCount() const { return m_total; }
    [[nodiscard]] const Nox::NoxArchivedSession *sessionAt(int row) const;
    [[nodiscard]] Nox::NoxArchiveReader *reader() const { return m_reader.get(); }

    [[nodiscard]] static QString money(qint64 hundredths, bool sign);
    [[nodiscard]] static QString duration(qint64 ms);
    [[nodiscard]] static QString perHour(qint64 result, qint64 ms);

private:
    QString m_path;
    std::unique_ptr<Nox::NoxArchiveReader> m_reader;
    qint64 m_from = 0;
    qint64 m_to = std::numeric_limits<qint64>::max();
    QList<Nox::NoxArchivedSession> m_sessions;
    int m_total = 0;
    bool m_changing = false; ///< inside a begin/end pair
};
