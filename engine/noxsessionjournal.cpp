#include "engine/noxsessionjournal.h"

#include "engine/noxlogging.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace Nox {

namespace {

// Results of both games fit here (baccarat 0..2, roulette 0..36).
constexpr int kLargestValue = 36;

QByteArray now()
{
    return QByteArray::number(QDateTime::currentMSecsSinceEpoch());
}

std::optional<int> number(const QByteArray &field)
{
    bool ok = false;
    const int n = field.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

NoxSessionJournal::NoxSessionJournal(QString path)
    : m_path(std::move(path))
    , m_file(m_path)
{}

NoxSessionJournal::~NoxSessionJournal() = default;

bool NoxSessionJournal::start(const QList<int> &values)
{
    m_file.close();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_failed = !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (m_failed) {
        qCWarning(lcNoxEngine).noquote()
            << QStringLiteral("Cannot write the session journal %1: %2").arg(m_path, m_file.errorString());
        return false;
    }
    QByteArray text = "S " + now() + '\n';
    for (int v : values) {
        text += "P " + QByteArray::number(v) + ' ' + now() + '\n';
    }
    append(text);
    return !m_failed;
}

void NoxSessionJournal::append(const QByteArray &line)
{
    if (!m_file.isOpen()) {
        return;
    }
    // Flushed at once: the line is with the system before the next result is entered.
    if (m_file.write(line) != line.size() || !m_file.flush()) {
        if (!m_failed) {
            qCWarning(lcNoxEngine).noquote() << QStringLiteral("Cannot write the session journal %1: %2")
                                                    .arg(m_path, m_file.errorString());
        }
        m_failed = true;
    }
}

void NoxSessionJournal::recordPlay(int value)
{
    append("P " + QByteArray::number(value) + ' ' + now() + '\n');
}

void NoxSessionJournal::recordUndo()
{
    append("U " + now() + '\n');
}

void NoxSessionJournal::recordTruncate(int kept)
{
    append("T " + QByteArray::number(kept) + ' ' + now() + '\n');
}

void NoxSessionJournal::recordRestart()
{
    append("R " + now() + '\n');
}

void NoxSessionJournal::close()
{
    append("C " + now() + '\n');
    m_file.close();
}

NoxInterruptedSession NoxSessionJournal::parse(const QByteArray &text, bool *closed)
{
    NoxInterruptedSession session;
    bool isClosed = false;
    qint64 lastMs = -1;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype end = text.indexOf('\n', pos);
        if (end < 0) {
            break; // a torn last line: the write it belongs to never finished
        }
        const QList<QByteArray> fields = text.mid(pos, end - pos).trimmed().split(' ');
        pos = end + 1;
        const QByteArray tag = fields.value(0);
        bool timeOk = false;
        const qint64 ms = fields.size() >= 2 ? fields.last().toLongLong(&timeOk) : 0;
        if (!timeOk || tag.size() != 1) {
            continue;
        }
        bool known = true;
        switch (tag.at(0)) {
        case 'S':
            session.values.clear();
            isClosed = false;
            break;
        case 'P': {
            const std::optional<int> v = fields.size() == 3 ? number(fields.at(1)) : std::nullopt;
            known = v && *v >= 0 && *v <= kLargestValue;
            if (known) {
                session.values.append(*v);
            }
            break;
        }
        case 'U':
            if (!session.values.isEmpty()) {
                session.values.removeLast();
            }
            break;
        case 'T': {
            const std::optional<int> kept = fields.size() == 3 ? number(fields.at(1)) : std::nullopt;
            known = kept && *kept >= 0;
            if (known && *kept < session.values.size()) {
                session.values.remove(0, session.values.size() - *kept);
            }
            break;
        }
        case 'R':
            break;
        case 'C':
            isClosed = true;
            break;
        default:
            known = false;
        }
        if (known) {
            lastMs = ms;
        }
    }
    if (lastMs >= 0) {
        session.lastChange = QDateTime::fromMSecsSinceEpoch(lastMs, Qt::UTC);
    }
    if (closed) {
        *closed = isClosed;
    }
    return session;
}

std::optional<NoxInterruptedSession> NoxSessionJournal::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // A journal holds at most a few hundred thousand short lines; anything larger is not one.
    constexpr qint64 kMaxSize = 64 * 1024 * 1024;
    if (file.size() > kMaxSize) {
        return std::nullopt;
    }
    bool closed = false;
    NoxInterruptedSession session = parse(file.readAll(), &closed);
    if (closed || session.values.isEmpty()) {
        return std::nullopt;
    }
    return session;
}

} // namespace Nox
