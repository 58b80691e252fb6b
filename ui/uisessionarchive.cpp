#include "uisessionarchive.h"

#include "uisessionlistmodel.h"

#include "archive/noxarchive.h"
#include "archive/noxarchiveexport.h"
#include "archive/noxarchivereader.h"
#include "core/noxclock.h"

#include <QDateTime>
#include <QUrl>
#include <QtConcurrent>

namespace {

QString localPath(const QString &pathOrUrl)
{
    const QUrl url(pathOrUrl);
    return url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
}

} // namespace

UISessionArchive::UISessionArchive(QObject *parent)
    : QObject(parent)
    , m_clock(&Nox::NoxClock::system())
    , m_sessions(new UISessionListModel(this))
{
    m_reloadTimer.setSingleShot(true);
    m_reloadTimer.setInterval(kReloadMs);
    connect(&m_reloadTimer, &QTimer::timeout, this, &UISessionArchive::refresh);
    connect(&m_export, &QFutureWatcher<QString>::finished, this, [this] {
        const QString error = m_export.result();
        setMessage(error.isEmpty() ? tr("Export terminé.") : tr("Export impossible : %1").arg(error));
        emit exportingChanged();
        emit exportFinished(error.isEmpty());
    });
}

UISessionArchive::~UISessionArchive()
{
    m_export.waitForFinished();
}

void UISessionArchive::setArchive(Nox::NoxArchive *archive)
{
    if (m_archive) {
        disconnect(m_archive, nullptr, this, nullptr);
    }
    m_archive = archive;
    if (archive) {
        // Queued: changed() comes from the archive's thread.
        connect(
            archive, &Nox::NoxArchive::changed, this, [this] { m_reloadTimer.start(); },
            Qt::QueuedConnection);
    }
    m_sessions->setArchivePath(archive ? archive->path() : QString());
    reload();
}

void UISessionArchive::setClock(const Nox::NoxClock *clock)
{
    m_clock = clock ? clock : &Nox::NoxClock::system();
    reload();
}

void UISessionArchive::setPeriod(Period period)
{
    if (m_period == period) {
        return;
    }
    m_period = period;
    emit periodChanged();
    reload();
}

QPair<qint64, qint64> UISessionArchive::periodRange(Period period) const
{
    constexpr qint64 kDayMs = 24 * 3600 * 1000;
    const qint64 now = m_clock->nowMs();
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(now);
    switch (period) {
    case Today:
        return {QDateTime(local.date(), QTime(0, 0)).toMSecsSinceEpoch(), Nox::NoxArchiveReader::kAll};
    case Week:
        return {now - 7 * kDayMs, Nox::NoxArchiveReader::kAll};
    case Month:
        return {now - 30 * kDayMs, Nox::NoxArchiveReader::kAll};
    case Year:
        return {QDateTime(QDate(local.date().year(), 1, 1), QTime(0, 0)).toMSecsSinceEpoch(),
                Nox::NoxArchiveReader::kAll};
    case All:
        break;
    }
    return {0, Nox::NoxArchiveReader::kAll};
}

void UISessionArchive::refresh()
{
    reload();
}

void UISessionArchive::reload()
{
    const qint64 selected =
        m_sessions->sessionAt(m_selectedRow) ? m_sessions->sessionAt(m_selectedRow)->id : -1;
    const auto [from, to] = periodRange(m_period);
    m_sessions->setPeriod(from, to);
    readTotals();
    // The selection follows its session when it is still loaded.
    int row = -1;
    for (int r = 0; r < m_sessions->rowCount() && selected >= 0; ++r) {
        if (m_sessions->sessionAt(r)->id == selected) {
            row = r;
            break;
        }
    }
    m_selectedRow = -2; // forces the refresh of the curve
    setSelectedRow(row);
}

void UISessionArchive::readTotals()
{
    Nox::NoxArchiveTotals totals;
    if (Nox::NoxArchiveReader *reader = m_sessions->reader()) {
        const auto [from, to] = periodRange(m_period);
        totals = reader->totals(from, to);
    }
    m_totalSessions = totals.sessions;
    m_totalCoups = totals.coups;
    m_totalResult = totals.result;
    m_totalDurationMs = totals.durationMs;
    emit totalsChanged();
}

bool UISessionArchive::isAvailable() const
{
    return m_sessions->reader() != nullptr;
}

QString UISessionArchive::totalResult() const
{
    return UISessionListModel::money(m_totalResult, true);
}

int UISessionArchive::totalGain() const
{
    return m_totalResult > 0 ? 1 : (m_totalResult < 0 ? -1 : 0);
}

QString UISessionArchive::totalPerHour() const
{
    return UISessionListModel::perHour(m_totalResult, m_totalDurationMs);
}

QString UISessionArchive::totalDuration() const
{
    return UISessionListModel::duration(m_totalDurationMs);
}

void UISessionArchive::setSelectedRow(int row)
{
    const Nox::NoxArchivedSession *s = m_sessions->sessionAt(row);
    if (!s) {
        row = -1;
    }
    if (row == m_selectedRow) {
        return;
    }
    m_selectedRow = row;
    m_selectedCurve = s && m_sessions->reader() ? m_sessions->reader()->profitCurve(s->id) : QList<int>();
    emit selectionChanged();
}

QString UISessionArchive::selectedTitle() const
{
    const Nox::NoxArchivedSession *s = m_sessions->sessionAt(m_selectedRow);
    if (!s) {
        return {};
    }
    return tr("Session %1 du %2")
        .arg(s->id)
        .arg(QDateTime::fromMSecsSinceEpoch(s->startedMs).toString(QStringLiteral("dd/MM/yyyy HH:mm")));
}

QString UISessionArchive::selectedDetails() const
{
    const Nox::NoxArchivedSession *s = m_sessions->sessionAt(m_selectedRow);
    if (!s) {
        return {};
    }
    QStringList lines;
    lines.append(tr("Capital de départ %1 · %2 coups joués sur %3")
                     .arg(UISessionListModel::money(s->startCapital, false))
                     .arg(s->settled)
                     .arg(s->coups));
    QStringList reached;
    if (s->limits & Nox::NoxSessionRecord::GainLimit) {
        reached.append(tr("limite de gain"));
    }
    if (s->limits & Nox::NoxSessionRecord::LossLimit) {
        reached.append(tr("limite de perte"));
    }
    if (!s->guardStop.isEmpty()) {
        reached.append(s->guardStop);
    }
    if (!reached.isEmpty()) {
        lines.append(tr("Atteint : %1").arg(reached.join(QStringLiteral(", "))));
    }
    if (!s->methods.isEmpty()) {
        lines.append(tr("Méthodes : %1").arg(s->methods.join(QStringLiteral(", "))));
    }
    if (!s->montantes.isEmpty()) {
        lines.append(tr("Montantes : %1").arg(s->montantes.join(QStringLiteral(", "))));
    }
    return lines.join(QLatin1Char('\n'));
}

bool UISessionArchive::deleteSession(int row)
{
    const Nox::NoxArchivedSession *s = m_sessions->sessionAt(row);
    if (!s || !m_archive) {
        setMessage(tr("Cette session ne peut pas être supprimée."));
        return false;
    }
    const qint64 id = s->id;
    m_archive->deleteSession(id);
    if (m_selectedRow == row) {
        setSelectedRow(-1);
    } else if (m_selectedRow > row) {
        m_selectedRow -= 1;
        emit selectionChanged();
    }
    m_sessions->removeRowOf(id);
    // The totals once the archive has deleted it (its changed() reloads everything).
    m_totalSessions -= 1;
    emit totalsChanged();
    setMessage(tr("Session %1 supprimée.").arg(id));
    return true;
}

QString UISessionArchive::defaultFileName(ExportKind kind, int row) const
{
    const Nox::NoxArchivedSession *s = m_sessions->sessionAt(row);
    const QString id = s ? QString::number(s->id) : QStringLiteral("0");
    switch (kind) {
    case SessionCsv:
        return QStringLiteral("session-%1.csv").arg(id);
    case PeriodCsv:
        return QStringLiteral("sessions.csv");
    case SessionHistory:
        return QStringLiteral("session-%1.txt").arg(id);
    }
    return {};
}

bool UISessionArchive::exportTo(ExportKind kind, int row, const QString &pathOrUrl)
{
    if (m_export.isRunning()) {
        setMessage(tr("Un export est déjà en cours."));
        return false;
    }
    Nox::NoxArchiveReader *reader = m_sessions->reader();
    if (!reader) {
        setMessage(tr("Aucune session archivée."));
        return false;
    }
    QList<qint64> ids;
    if (kind == PeriodCsv) {
        const auto [from, to] = periodRange(m_period);
        const QList<Nox::NoxArchivedSession> all = reader->sessions(from, to);
        // Oldest first, as they were played.
        for (auto it = all.crbegin(); it != all.crend(); ++it) {
            ids.append(it->id);
        }
    } else if (const Nox::NoxArchivedSession *s = m_sessions->sessionAt(row)) {
        ids.append(s->id);
    }
    if (ids.isEmpty()) {
        setMessage(tr("Aucune session à exporter."));
        return false;
    }
    const QString target = localPath(pathOrUrl);
    const QString source = m_sessions->archivePath();
    m_export.setFuture(QtConcurrent::run([source, target, ids, kind]() -> QString {
        // A reader of this thread: a connection belongs to the thread that opened it.
        Nox::NoxArchiveReader worker(source);
        QString error;
        if (!worker.open(&error)) {
            return error;
        }
        const bool ok = kind == SessionHistory
                            ? Nox::NoxArchiveExport::writeHistory(worker, ids.first(), target, &error)
                            : Nox::NoxArchiveExport::writeCsv(worker, ids, target, &error);
        return ok ? QString() : error;
    }));
    setMessage(tr("Export en cours…"));
    emit exportingChanged();
    return true;
}

void UISessionArchive::setMessage(const QString &message)
{
    if (m_message != message) {
        m_message = message;
        emit messageChanged();
    }
}
