#pragma once

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

class UISessionListModel;

namespace Nox {
class NoxArchive;
class NoxClock;
} // namespace Nox

/// The sessions page's facade over the archive: the sessions of the chosen period (a paged
/// list), their totals, the profit curve of the selected session, its deletion and the
/// exports (a session or the period as CSV, a session as noxsim's history text).
///
/// Periods: today (from local midnight), the last 7 or 30 days, this year (from 1 January),
/// all; a period holds the sessions started in it. The exports are written on a worker thread
/// with a reader of its own; one runs at a time, and `message` says what it did.
///
/// Thread rules: lives on the GUI thread and is called there. The archive's changed() arrives
/// queued and reloads the list at most every kReloadMs.
class UISessionArchive : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("uisessionlistmodel.h")
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(UISessionListModel *sessions READ sessions CONSTANT)
    Q_PROPERTY(Period period READ period WRITE setPeriod NOTIFY periodChanged)
    Q_PROPERTY(bool available READ isAvailable NOTIFY totalsChanged)
    Q_PROPERTY(int totalSessions READ totalSessions NOTIFY totalsChanged)
    Q_PROPERTY(int totalCoups READ totalCoups NOTIFY totalsChanged)
    Q_PROPERTY(QString totalResult READ totalResult NOTIFY totalsChanged)
    Q_PROPERTY(int totalGain READ totalGain NOTIFY totalsChanged)
    Q_PROPERTY(QString totalPerHour READ totalPerHour NOTIFY totalsChanged)
    Q_PROPERTY(QString totalDuration READ totalDuration NOTIFY totalsChanged)
    Q_PROPERTY(int selectedRow READ selectedRow WRITE setSelectedRow NOTIFY selectionChanged)
    Q_PROPERTY(QList<int> selectedCurve READ selectedCurve NOTIFY selectionChanged)
    Q_PROPERTY(QString selectedTitle READ selectedTitle NOTIFY selectionChanged)
    Q_PROPERTY(QString selectedDetails READ selectedDetails NOTIFY selectionChanged)
    Q_PROPERTY(bool exporting READ isExporting NOTIFY exportingChanged)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    enum Period { Today, Week, Month, Year, All };
    Q_ENUM(Period)
    enum ExportKind { SessionCsv, PeriodCsv, SessionHistory };
    Q_ENUM(ExportKind)

    static constexpr int kReloadMs = 500;

    explicit UISessionArchive(QObject *parent = nullptr);
    ~UISessionArchive() override;

    /// The application's archive: read from its file, deletions through it.
    void setArchive(Nox::NoxArchive *archive);
    /// The clock of the periods (tests); not owned.
    void setClock(const Nox::NoxClock *clock);

    [[nodiscard]] UISessionListModel *sessions() const { return m_sessions; }
    [[nodiscard]] Period period() const { return m_period; }
    void setPeriod(Period period);
    [[nodiscard]] bool isAvailable() const;
    [[nodiscard]] int totalSessions() const { return m_totalSessions; }
    [[nodiscard]] int totalCoups() const { return int(m_totalCoups); }
    [[nodiscard]] QString totalResult() const;
    [[nodiscard]] int totalGain() const;
    [[nodiscard]] QString totalPerHour() const;
    [[nodiscard]] QString totalDuration() const;
    [[nodiscard]] int selectedRow() const { return m_selectedRow; }
    void setSelectedRow(int row);
    [[nodiscard]] QList<int> selectedCurve() const { return m_selectedCurve; }
    [[nodiscard]] QString selectedTitle() const;
    [[nodiscard]] QString selectedDetails() const;
    [[nodiscard]] bool isExporting() const { return m_export.isRunning(); }
    [[nodiscard]] QString message() const { return m_message; }

    /// [from, to) of the period at the clock's time, in UTC milliseconds.
    [[nodiscard]] QPair<qint64, qint64> periodRange(Period period) const;

    /// Reads the archive again (the first page).
    Q_INVOKABLE void refresh();
    /// Deletes the session of the row from the archive (the screen has asked the player).
    Q_INVOKABLE bool deleteSession(int row);
    /// A file name for an export ("session-12.csv", "sessions.csv", "session-12.txt").
    Q_INVOKABLE QString defaultFileName(ExportKind kind, int row) const;
    /// Writes an export to `pathOrUrl` on a worker thread; false when none starts (another runs,
    /// no such row, no archive), with `message` saying why.
    Q_INVOKABLE bool exportTo(ExportKind kind, int row, const QString &pathOrUrl);

signals:
    void periodChanged();
    void totalsChanged();
    void selectionChanged();
    void exportingChanged();
    void messageChanged();
    void exportFinished(bool ok);

private:
    void reload();
    void readTotals();
    void setMessage(const QString &message);

    QPointer<Nox::NoxArchive> m_archive;
    const Nox::NoxClock *m_clock;
    UISessionListModel *m_sessions;
    Period m_period = Month;
    int m_totalSessions = 0;
    qint64 m_totalCoups = 0;
    qint64 m_totalResult = 0;
    qint64 m_totalDurationMs = 0;
    int m_selectedRow = -1;
    QList<int> m_selectedCurve;
    QString m_message;
    QTimer m_reloadTimer;
    QFutureWatcher<QString> m_export;
};
