#include "uisessionlistmodel.h"

#include "archive/noxarchivereader.h"

#include <QDateTime>
#include <QLocale>

UISessionListModel::UISessionListModel(QObject *parent)
    : QAbstractListModel(parent)
{}

UISessionListModel::~UISessionListModel() = default;

void UISessionListModel::setArchivePath(const QString &path)
{
    m_path = path;
    reload();
}

void UISessionListModel::setPeriod(qint64 fromMs, qint64 toMs)
{
    m_from = fromMs;
    m_to = toMs;
    reload();
}

void UISessionListModel::reload()
{
    // Views (and QAbstractItemModelTester) may ask for more rows from a change's own signals:
    // nothing is inserted before the change is over.
    m_changing = true;
    beginResetModel();
    m_sessions.clear();
    m_total = 0;
    if (!m_reader || !m_reader->isOpen()) {
        // The archive may have been created since the last try.
        m_reader = m_path.isEmpty() ? nullptr : std::make_unique<Nox::NoxArchiveReader>(m_path);
        if (m_reader && !m_reader->open()) {
            m_reader.reset();
        }
    }
    if (m_reader) {
        m_total = m_reader->sessionCount(m_from, m_to);
        m_sessions = m_reader->sessions(m_from, m_to, 0, kPageSize);
    }
    endResetModel();
    m_changing = false;
}

void UISessionListModel::removeRowOf(qint64 sessionId)
{
    for (int row = 0; row < m_sessions.size(); ++row) {
        if (m_sessions.at(row).id == sessionId) {
            m_changing = true;
            beginRemoveRows({}, row, row);
            m_sessions.removeAt(row);
            --m_total;
            endRemoveRows();
            m_changing = false;
            return;
        }
    }
}

int UISessionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sessions.size());
}

bool UISessionListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_changing && m_reader && m_sessions.size() < m_total;
}

void UISessionListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent)) {
        return;
    }
    const QList<Nox::NoxArchivedSession> page =
        m_reader->sessions(m_from, m_to, m_sessions.size(), kPageSize);
    if (page.isEmpty()) {
        m_total = int(m_sessions.size()); // deleted meanwhile
        return;
    }
    m_changing = true;
    beginInsertRows({}, int(m_sessions.size()), int(m_sessions.size() + page.size() - 1));
    m_sessions.append(page);
    endInsertRows();
    m_changing = false;
}

const Nox::NoxArchivedSession *UISessionListModel::sessionAt(int row) const
{
    return row >= 0 && row < m_sessions.size() ? &m_sessions.at(row) : nullptr;
}

QString UISessionListModel::money(qint64 hundredths, bool sign)
{
    const QString digits = QString::asprintf("%.2f", double(qAbs(hundredths)) / 100.0);
    if (!sign) {
        return hundredths < 0 ? QStringLiteral("\u2212") + digits : digits;
    }
    return (hundredths < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + digits;
}

QString UISessionListModel::duration(qint64 ms)
{
    const qint64 minutes = ms / 60000;
    if (minutes < 60) {
        return tr("%1 min").arg(minutes);
    }
    return tr("%1 h %2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString UISessionListModel::perHour(qint64 result, qint64 ms)
{
    if (ms < kMinPerHourMs) {
        return QStringLiteral("\u2014");
    }
    const auto hourly = qint64(double(result) * 3600000.0 / double(ms));
    return tr("%1 / h").arg(money(hourly, true));
}

QVariant UISessionListModel::data(const QModelIndex &index, int role) const
{
    const Nox::NoxArchivedSession *s = index.isValid() ? sessionAt(index.row()) : nullptr;
    if (!s) {
        return {};
    }
    switch (role) {
    case SessionIdRole:
        return s->id;
    case StartedRole:
        return QDateTime::fromMSecsSinceEpoch(s->startedMs).toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    case DurationRole:
        return duration(s->durationMs());
    case CoupsRole:
        return s->coups;
    case ResultRole:
        return money(s->result, true);
    case GainRole:
        return s->result > 0 ? 1 : (s->result < 0 ? -1 : 0);
    case PerHourRole:
        return perHour(s->result, s->durationMs());
    case MaxStakeRole:
        return money(s->maxStake, false);
    case BaccaratRole:
        return s->baccarat;
    default:
        return {};
    }
}

QHash<int, QByteArray> UISessionListModel::roleNames() const
{
    return {{SessionIdRole, "sessionId"}, {StartedRole, "started"},   {DurationRole, "duration"},
            {CoupsRole, "coups"},         {ResultRole, "result"},     {GainRole, "gain"},
            {PerHourRole, "perHour"},     {MaxStakeRole, "maxStake"}, {BaccaratRole, "baccarat"}};
}
