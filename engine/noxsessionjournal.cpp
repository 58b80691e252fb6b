#include "engine/noxsessionjournal.h"

#include "core/noxlogging.h"
#include "engine/noxdeferredwriter.h"
#include "roads/noxroads.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <optional>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace Nox {

namespace {

// Results of both games fit here (baccarat 0..2, roulette 0..36).
constexpr int kLargestValue = 36;

QByteArray now()
{
    return QByteArray::number(QDateTime::currentMSecsSinceEpoch());
}

std::optional<qint64> number(const QByteArray &field)
{
    bool ok = false;
    const qint64 n = field.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

/// JSON travels percent-encoded, so that a line stays one line of space-separated fields.
QByteArray encoded(const QByteArray &json)
{
    return json.toPercentEncoding("{}[]:,\"-_.");
}

} // namespace

NoxSessionJournal::NoxSessionJournal(QString path)
    : m_path(std::move(path))
    , m_file(m_path)
    , m_syncer(std::make_unique<NoxDeferredWriter>(std::chrono::milliseconds(kSyncIntervalMs),
                                                   [this](unsigned) { syncNow(); }))
{}

NoxSessionJournal::~NoxSessionJournal()
{
    m_syncer.reset(); // its last sync runs before the file closes
}

QString NoxSessionJournal::path() const
{
    QMutexLocker lock(&m_mutex);
    return m_path;
}

bool NoxSessionJournal::start(const QList<int> &values, const QString &edition, const QByteArray &baseline,
                              const QList<qsizetype> &shoeStarts)
{
    {
        QMutexLocker lock(&m_mutex);
        m_file.close();
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        m_failed = !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        if (m_failed) {
            qCWarning(lcNoxEngine).noquote() << QStringLiteral("Cannot write the session journal %1: %2")
                                                    .arg(m_path, m_file.errorString());
            return false;
        }
    }
    QByteArray text = "S " + now() + '\n';
    if (!edition.isEmpty()) {
        text += "E " + edition.toLatin1() + ' ' + now() + '\n';
    }
    if (!baseline.isEmpty()) {
        text += "B " + encoded(baseline) + ' ' + now() + '\n';
    }
    qsizetype shoe = 0;
    for (qsizetype i = 0; i < values.size(); ++i) {
        for (; shoe < shoeStarts.size() && shoeStarts.at(shoe) <= i; ++shoe) {
            if (shoeStarts.at(shoe) == i && i > 0) {
                text += "N " + now() + '\n';
            }
        }
        text += "P " + QByteArray::number(values.at(i)) + ' ' + now() + '\n';
    }
    if (shoeStarts.contains(values.size()) && !values.isEmpty()) {
        text += "N " + now() + '\n';
    }
    append(text);
    QMutexLocker lock(&m_mutex);
    return !m_failed;
}

void NoxSessionJournal::append(const QByteArray &line)
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_file.isOpen()) {
            return;
        }
        // Flushed at once: the line is with the system before the next result is entered; the
        // syncing thread then puts it on the disk.
        if (m_file.write(line) != line.size() || !m_file.flush()) {
            if (!m_failed) {
                qCWarning(lcNoxEngine).noquote() << QStringLiteral("Cannot write the session journal %1: %2")
                                                        .arg(m_path, m_file.errorString());
            }
            m_failed = true;
        }
    }
    m_syncer->request();
}

void NoxSessionJournal::syncNow()
{
    QMutexLocker lock(&m_mutex);
    if (!m_file.isOpen()) {
        return;
    }
#ifdef Q_OS_WIN
    _commit(m_file.handle());
#elif defined(Q_OS_DARWIN)
    ::fsync(m_file.handle());
#else
    ::fdatasync(m_file.handle());
#endif
}

void NoxSessionJournal::sync()
{
    m_syncer->flush();
}

void NoxSessionJournal::recordPlay(int value)
{
    append("P " + QByteArray::number(value) + ' ' + now() + '\n');
}

void NoxSessionJournal::recordSettled(qint64 capital, qint64 mise)
{
    append("Q " + QByteArray::number(capital) + ' ' + QByteArray::number(mise) + ' ' + now() + '\n');
}

void NoxSessionJournal::recordUndo()
{
    append("U " + now() + '\n');
}

void NoxSessionJournal::recordNewShoe()
{
    append("N " + now() + '\n');
}

void NoxSessionJournal::recordTruncate(int kept)
{
    append("T " + QByteArray::number(kept) + ' ' + now() + '\n');
}

void NoxSessionJournal::recordRestart(bool resetMoney)
{
    append("R " + QByteArray(resetMoney ? "1" : "0") + ' ' + now() + '\n');
}

void NoxSessionJournal::recordChange(const QByteArray &json)
{
    append("K " + encoded(json) + ' ' + now() + '\n');
}

void NoxSessionJournal::recordUnreplayable(const QByteArray &what)
{
    append("I " + what.toPercentEncoding() + ' ' + now() + '\n');
}

void NoxSessionJournal::close()
{
    append("C " + now() + '\n');
    m_syncer->flush();
    QMutexLocker lock(&m_mutex);
    m_file.close();
}

bool NoxSessionJournal::moveTo(const QString &path)
{
    m_syncer->flush();
    QMutexLocker lock(&m_mutex);
    const bool wasOpen = m_file.isOpen();
    m_file.close();
    std::error_code error;
    // One rename that replaces the target: a crash leaves either journal whole, never neither.
    std::filesystem::rename(QFile::encodeName(m_path).toStdString(), QFile::encodeName(path).toStdString(),
                            error);
    const bool moved = !error;
    if (moved) {
        m_path = path;
        m_file.setFileName(m_path);
    } else {
        qCWarning(lcNoxEngine).noquote() << QStringLiteral("Cannot move the session journal %1 to %2: %3")
                                                .arg(m_path, path, QString::fromStdString(error.message()));
    }
    if (wasOpen && !m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_failed = true;
    }
    return moved;
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
        const std::optional<qint64> first =
            fields.size() >= 3 ? number(fields.at(1)) : std::optional<qint64>();
        const qint64 firstValue = first.value_or(0);
        NoxJournalEntry entry;
        entry.tag = tag.at(0);
        bool known = true;
        bool isEntry = true;
        switch (tag.at(0)) {
        case 'S':
            session = NoxInterruptedSession{};
            isClosed = false;
            isEntry = false;
            break;
        case 'E':
            known = fields.size() == 3;
            isEntry = false;
            if (known) {
                session.edition = QString::fromLatin1(fields.at(1));
            }
            break;
        case 'B':
            known = fields.size() == 3;
            isEntry = false;
            if (known) {
                session.baseline = QByteArray::fromPercentEncoding(fields.at(1));
            }
            break;
        case 'P':
            known = fields.size() == 3 && first && firstValue >= 0 && firstValue <= kLargestValue;
            if (known) {
                session.values.append(int(firstValue));
                entry.a = firstValue;
            }
            break;
        case 'Q': {
            const std::optional<qint64> mise = fields.size() == 4 ? number(fields.at(2)) : std::nullopt;
            known = first && mise;
            if (known) {
                entry.a = firstValue;
                entry.b = *mise;
            }
            break;
        }
        case 'U':
            if (!session.values.isEmpty()) {
                session.values.removeLast();
            }
            // A shoe that started after the new last result goes with it; one that starts
            // right after it stays (an empty new shoe).
            while (!session.shoeStarts.isEmpty() && session.shoeStarts.last() > session.values.size()) {
                session.shoeStarts.removeLast();
            }
            break;
        case 'N':
            known = fields.size() == 2;
            if (known && !session.values.isEmpty() &&
                (session.shoeStarts.isEmpty() || session.shoeStarts.last() < session.values.size())) {
                session.shoeStarts.append(session.values.size());
            }
            break;
        case 'T':
            known = fields.size() == 3 && first && firstValue >= 0;
            if (known) {
                entry.a = firstValue;
                if (firstValue < session.values.size()) {
                    const qsizetype cut = session.values.size() - firstValue;
                    session.values.remove(0, cut);
                    session.shoeStarts = NoxRoads::startsAfterCut(session.shoeStarts, cut);
                }
            }
            break;
        case 'R':
            // Journals of earlier versions wrote "R <ms>": a restart that reset the money.
            entry.a = fields.size() == 3 ? (first && firstValue == 0 ? 0 : 1) : 1;
            break;
        case 'K':
            known = fields.size() == 3;
            entry.data = known ? QByteArray::fromPercentEncoding(fields.at(1)) : QByteArray();
            break;
        case 'I':
            known = fields.size() == 3;
            entry.data = known ? QByteArray::fromPercentEncoding(fields.at(1)) : QByteArray();
            session.replayable = false;
            break;
        case 'C':
            isClosed = true;
            isEntry = false;
            break;
        default:
            known = false;
        }
        if (known) {
            lastMs = ms;
            if (isEntry) {
                session.entries.append(entry);
            }
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
    if (file.size() > kMaxSize) {
        return std::nullopt;
    }
    bool closed = false;
    NoxInterruptedSession session = parse(file.read(kMaxSize), &closed);
    if (closed || session.values.isEmpty()) {
        return std::nullopt;
    }
    return session;
}

} // namespace Nox
