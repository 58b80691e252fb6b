#include "archive/noxarchiveexport.h"

#include "archive/noxarchivereader.h"
#include "archive/noxarchivestakes.h"
#include "engine/noxsessionrecord.h"

#include <QDateTime>
#include <QSaveFile>

namespace Nox {

namespace {

QByteArray money(qint64 amount)
{
    return QString::asprintf("%.2f", double(amount) / 100.0).toLatin1();
}

QByteArray isoTime(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODate).toUtf8();
}

QByteArray field(const QByteArray &text)
{
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r')) {
        return text;
    }
    QByteArray quoted = text;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

QByteArray limitNames(int limits)
{
    QByteArrayList names;
    if (limits & NoxSessionRecord::GainLimit) {
        names.append("gain");
    }
    if (limits & NoxSessionRecord::LossLimit) {
        names.append("loss");
    }
    if (limits & NoxSessionRecord::GuardStop) {
        names.append("guard");
    }
    return names.join('+');
}

bool fail(QString *error, const QString &text)
{
    if (error) {
        *error = text;
    }
    return false;
}

bool save(QSaveFile &file, QString *error)
{
    if (!file.commit()) {
        return fail(error, file.errorString());
    }
    return true;
}

} // namespace

QByteArray NoxArchiveExport::resultName(bool baccarat, int value)
{
    if (baccarat && value >= 0 && value <= 2) {
        return QByteArray(1, "TPB"[value]);
    }
    return QByteArray::number(value);
}

QByteArray NoxArchiveExport::csvHeader()
{
    return "session,started,edition,coup,time,result,stakes,stake,gain,capital,shoe,undone,limits\r\n";
}

QByteArray NoxArchiveExport::csvRows(const NoxArchivedSession &session, const QList<NoxArchivedCoup> &coups)
{
    QByteArray out;
    const QByteArray head = QByteArray::number(session.id) + ',' + isoTime(session.startedMs) + ',' +
                            (session.baccarat ? "baccarat" : "roulette") + ',';
    int shoe = 1;
    bool first = true;
    for (const NoxArchivedCoup &c : coups) {
        if (c.newShoe && !c.undone && !first) {
            ++shoe;
        }
        first = first && c.undone;
        out += head + QByteArray::number(c.seq) + ',' + isoTime(c.timeMs) + ',' +
               resultName(session.baccarat, c.value) + ',' +
               field(NoxArchiveStakes::describe(c.stakes).toUtf8()) + ',' + money(c.stake) + ',' +
               money(c.gain) + ',' + money(c.capital) + ',' + QByteArray::number(shoe) + ',' +
               (c.undone ? "1" : "0") + ',' + limitNames(c.limits) + "\r\n";
    }
    return out;
}

QByteArray NoxArchiveExport::history(const NoxArchivedSession &session, const QList<NoxArchivedCoup> &coups)
{
    QByteArray out;
    for (const NoxArchivedCoup &c : coups) {
        if (c.undone) {
            continue;
        }
        if (c.newShoe && !out.isEmpty()) {
            out += '\n';
        }
        out += resultName(session.baccarat, c.value) + '\n';
    }
    return out;
}

bool NoxArchiveExport::writeCsv(const NoxArchiveReader &reader, const QList<qint64> &ids, const QString &path,
                                QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, file.errorString());
    }
    file.write(csvHeader());
    for (qint64 id : ids) {
        const std::optional<NoxArchivedSession> session = reader.session(id);
        if (!session) {
            file.cancelWriting();
            return fail(error, QStringLiteral("no session %1 in the archive").arg(id));
        }
        file.write(csvRows(*session, reader.coups(id)));
    }
    return save(file, error);
}

bool NoxArchiveExport::writeHistory(const NoxArchiveReader &reader, qint64 id, const QString &path,
                                    QString *error)
{
    const std::optional<NoxArchivedSession> session = reader.session(id);
    if (!session) {
        return fail(error, QStringLiteral("no session %1 in the archive").arg(id));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, file.errorString());
    }
    file.write("# " + isoTime(session->startedMs) + ' ' + (session->baccarat ? "baccarat" : "roulette") +
               '\n');
    file.write(history(*session, reader.coups(id)));
    return save(file, error);
}

} // namespace Nox
